#pragma once
// Names of the text table rows that code reads: g_Messages[msg::kExecutePressed]. Each name keeps its
// row's number, so the tables stay as they are. A table's list of X(name, row) gives its namespace one
// constant per name and kAllNamed, the rows of all its names, so no name can be left out of kAllNamed.
#include <cstdint>

#define ROW_CONSTANT(name, row) constexpr int32_t name = row;
#define ROW_NUMBER(name, row) row,
#define NAMED_ROWS(list) list(ROW_CONSTANT) constexpr int32_t kAllNamed[] = {list(ROW_NUMBER)};

// g_Messages and its English and German sources.
#define MESSAGE_ROW_NAMES(X)                \
    X(kExecutePressed, 0)                   \
    X(kCommandNotFound, 15)                 \
    X(kNonExecutableLine, 16)               \
    X(kInvalidInputs, 17)                   \
    X(kInvalidSourcePath, 18)               \
    X(kInvalidTargetPath, 19)               \
    X(kSearchStringRequired, 20)            \
    X(kReplaceStringRequired, 21)           \
    X(kPlaylistGeneratedIn, 22)             \
    X(kFoundSongsCount, 23)                 \
    X(kNoLinkedSongsInFolder, 24)           \
    X(kAlphabeticalPlaylistTitle, 25)       \
    X(kDescendingPlaylistTitle, 26)         \
    X(kShuffledPlaylistTitle, 27)           \
    X(kNoErrorsFound, 28)                   \
    X(kTargetMustBeEmpty, 29)               \
    X(kSelectedFileOrPath, 30)              \
    X(kLinkedFilesCopied, 31)               \
    X(kWindowsErrorOccurred, 33)            \
    X(kMovedAndReplacedSongsCount, 34)      \
    X(kNoSongsInFolder, 35)                 \
    X(kMovedFilesTitle, 36)                 \
    X(kMovedSongsHeading, 37)               \
    X(kNoSongsInPlaylist, 38)               \
    X(kForwardedFileEmpty, 39)              \
    X(kSongsNotInOneFolder, 40)             \
    X(kFileInPlaylist, 41)                  \
    X(kNoSongsInReferencedFolder, 42)       \
    X(kSongsNotFoundHeading, 43)            \
    X(kNotFoundMp3sTitle, 44)               \
    X(kAllReferencedSongsFound, 45)         \
    X(kSeparatorNotOnce, 46)                \
    X(kNoRenamings, 48)                     \
    X(kRenamedFilesCount, 49)               \
    X(kReplacementsCount, 50)               \
    X(kUnreferencedSongsHeading, 51)        \
    X(kUnusedSongsTitle, 52)                \
    X(kMarkingsPendingCount, 53)            \
    X(kExecuteRenamingsQuestion, 54)        \
    X(kAbortedByUser, 55)                   \
    X(kSongsToUnmarkHeading, 56)            \
    X(kUnmarkingsPendingCount, 57)          \
    X(kInvalidPlaylistPath, 58)             \
    X(kSongsNotCopiedHeading, 59)           \
    X(kNotAllSongsFound, 60)                \
    X(kNotFoundSongsTitle, 61)              \
    X(kNotMovedSongsTitle, 62)              \
    X(kSongsNotMovedHeading, 63)            \
    X(kMovedFilesCount, 64)                 \
    X(kNoFilesMoved, 65)                    \
    X(kOriginalForEachDuplicate, 66)        \
    X(kOriginalsNotFoundHeading, 67)        \
    X(kMissingOriginalsTitle, 68)           \
    X(kOriginalsNotFoundCount, 69)          \
    X(kOriginalsCreatedCount, 70)           \
    X(kOriginalForEachUnused, 71)           \
    X(kMoved, 72)                           \
    X(kMoveFailedErrorCode, 73)             \
    X(kAllMatchingFilesMovedCount, 74)      \
    X(kAttention, 75)                       \
    X(kFileShiftsPendingQuestion, 76)       \
    X(kCaseCheckboxNotApplicable, 77)       \
    X(kWholeWordsCheckboxNotApplicable, 78) \
    X(kNoMatches, 79)                       \
    X(kNoPlaylistsFound, 80)                \
    X(kNewPlaylistCreated, 81)              \
    X(kMovedPlaylistsCount, 83)             \
    X(kMatchCaseYes, 84)                    \
    X(kMatchCaseNo, 85)                     \
    X(kWholeWordsYes, 86)                   \
    X(kWholeWordsNo, 87)                    \
    X(kMatchesFoundHeading, 88)             \
    X(kSearchResultTitle, 89)               \
    X(kNoMatchingFileNames, 90)             \
    X(kMatchesTitleEnd, 91)                 \
    X(kActiveLanguage, 92)                  \
    X(kCommandNotSuccessful, 93)            \
    X(kExportCreated, 94)                   \
    X(kFileNotFound, 95)                    \
    X(kFileRenamed, 96)                     \
    X(kRenamingNotExecuted, 97)             \
    X(kRenamingsExecutedCount, 98)          \
    X(kRenamingsFailedCount, 99)            \
    X(kOriginalNotFound, 100)               \
    X(kSearchStringLabel, 101)              \
    X(kSkippedFilesCount, 102)              \
    X(kNotFound, 103)                       \
    X(kMovedFile, 104)                      \
    X(kRenamedAndMovedFile, 105)            \
    X(kOriginalCreated, 106)                \
    X(kOriginalNotCreated, 107)             \
    X(kOriginalsNotCreatedCount, 108)       \
    X(kNotMovedFile, 109)                   \
    X(kNewPlaylistsCount, 110)              \
    X(kMovedPlaylist, 111)                  \
    X(kNotMovedPlaylist, 112)               \
    X(kCreatedFoldersCount, 113)            \
    X(kFailedPlaylistMovesCount, 114)       \
    X(kFolderCreated, 115)                  \
    X(kMatchesCount, 116)                   \
    X(kShortcutSuffix, 117)                 \
    X(kShortcutNotCreatedResult, 118)       \
    X(kShortcutsCreatedCount, 119)          \
    X(kLinkedSongsNotFoundCount, 120)       \
    X(kShortcutsNotCreatedCount, 121)       \
    X(kPlaylistsInFolderCount, 122)         \
    X(kSongsToMoveCount, 123)               \
    X(kSourceMatchesSettingsQuestion, 124)  \
    X(kTargetMatchesSettingsQuestion, 125)  \
    X(kExecuteCommandQuestion, 126)         \
    X(kNoFilesToMove, 127)                  \
    X(kMoveFailed, 128)                     \
    X(kWindowsErrorCode, 129)               \
    X(kIsEmpty, 130)                        \
    X(kNewPlaylistGenerated, 131)           \
    X(kNewPlaylistLinesCount, 132)          \
    X(kEntriesWithoutOriginalHeading, 133)  \
    X(kOriginalForEachEntry, 134)           \
    X(kEntriesWithoutOriginalCount, 135)    \
    X(kProcessedPlaylistLinesCount, 136)    \
    X(kLinesAlreadyOnOriginalCount, 137)    \
    X(kCorrectedLinesCount, 138)            \
    X(kFoundPlaylistsCount, 139)            \
    X(kFindingsCount, 140)                  \
    X(kSearchResultsHeading, 141)           \
    X(kRowNumber, 142)                      \
    X(kNoSearchResults, 143)                \
    X(kFindingsAndReplacementsCount, 144)   \
    X(kReplacementsTitle, 145)              \
    X(kNewPlaylistsInNewFolderCount, 146)   \
    X(kEmptyReplaceQuestion, 147)           \
    X(kFoundSongFilesCount, 148)            \
    X(kMissingSongFilesCount, 149)          \
    X(kMissingReferencesHeading, 150)       \
    X(kNotFoundMp3FilesTitle, 151)          \
    X(kAllReferencedFilesFound, 152)        \
    X(kListboxContent, 153)
namespace msg { NAMED_ROWS(MESSAGE_ROW_NAMES) }

// g_ButtonEventTexts: the pieces of the lines that buttons and check boxes write.
#define BUTTON_EVENT_ROW_NAMES(X) \
    X(kButtonWasPressed, 0)       \
    X(kSelectName, 1)             \
    X(kUpName, 2)                 \
    X(kRefreshName, 3)            \
    X(kInsertName, 4)             \
    X(kManualGermanName, 7)       \
    X(kLanguageName, 9)           \
    X(kClearInfoName, 10)         \
    X(kInfoName, 11)              \
    X(kClearPathName, 12)         \
    X(kButtonArticle, 13)         \
    X(kSelectFolderHint, 16)      \
    X(kStopEntriesName, 18)       \
    X(kCheckboxChecked, 20)       \
    X(kCheckboxUnchecked, 21)     \
    X(kCheckboxArticle, 22)       \
    X(kTestPressed, 25)
namespace button_event { NAMED_ROWS(BUTTON_EVENT_ROW_NAMES) }

// g_ButtonCaptions: the captions of the colour push buttons that name themselves in their lines.
#define BUTTON_CAPTION_ROW_NAMES(X) \
    X(kSelectTargetPath, 5)         \
    X(kInsertTargetPath, 7)         \
    X(kClearTargetPath, 12)
namespace button_caption { NAMED_ROWS(BUTTON_CAPTION_ROW_NAMES) }

// g_ExtraCaptions: the captions of the Stop Entries, Clear Info and Open Exports check boxes.
#define EXTRA_CAPTION_ROW_NAMES(X) \
    X(kStopEntries, 0)             \
    X(kClearInfo, 1)               \
    X(kOpenExports, 4)
namespace extra_caption { NAMED_ROWS(EXTRA_CAPTION_ROW_NAMES) }

// g_ScanMessages and its sources: the file browser and the settings file.
#define SCAN_MESSAGE_ROW_NAMES(X)  \
    X(kClickSelectedNoFolder, 28)  \
    X(kSettingsFileNotOpened, 33)  \
    X(kLanguageSettingMissing, 34)
namespace scan_msg { NAMED_ROWS(SCAN_MESSAGE_ROW_NAMES) }

#undef NAMED_ROWS
#undef ROW_NUMBER
#undef ROW_CONSTANT
#undef MESSAGE_ROW_NAMES
#undef BUTTON_EVENT_ROW_NAMES
#undef BUTTON_CAPTION_ROW_NAMES
#undef EXTRA_CAPTION_ROW_NAMES
#undef SCAN_MESSAGE_ROW_NAMES
