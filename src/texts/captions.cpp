// Captions of the static labels, the colour push buttons and the check boxes.
#include "texts/text_tables.h"

const CString g_StaticCaptionsEnglish[] = {
    /* 0 */ L"Select the Source or Target Directory:",
    /* 1 */ L"Selected Source Directory:",
    /* 2 */ L"Selected Target Directory:",
    /* 3 */ L"Select a Command:",
    /* 4 */ L"Search:",
    /* 5 */ L"Information Output:",
    /* 6 */ L"Replace:",
    /* 7 */ L"cap.",
    /* 8 */ L"whole",
};

const CString g_StaticCaptionsGerman[] = {
    /* 0 */ L"Wählen Sie das Quell- oder Zielverzeichnis:",
    /* 1 */ L"Gewähltes Quellverzeichnis:",
    /* 2 */ L"Gewähltes Zielverzeichnis:",
    /* 3 */ L"Wählen Sie einen Befehl aus:",
    /* 4 */ L"Suche:",
    /* 5 */ L"Ausgabe von Informationen:",
    /* 6 */ L"Ersetze:",
    /* 7 */ L"groß",
    /* 8 */ L"ganz",
};

const CString g_ButtonCaptionsEnglish[] = {
    /*  0 */ L"Select Source Path",
    /*  1 */ L"Up",
    /*  2 */ L"F5",
    /*  3 */ L"Insert Source Path",
    /*  4 */ L"Execute",
    /*  5 */ L"Select Target Path",
    /*  6 */ L"Open Help",
    /*  7 */ L"Insert Target Path",
    /*  8 */ L"Language E/D",
    /*  9 */ L"Test",
    /* 10 */ L"i",
    /* 11 */ L"Clear Source Path",
    /* 12 */ L"Clear Target Path",
};

const CString g_ButtonCaptionsGerman[] = {
    /*  0 */ L"Auswahl Quellpfad",
    /*  1 */ L"Auf",
    /*  2 */ L"F5",
    /*  3 */ L"Einfügen Quellpfad",
    /*  4 */ L"Ausführen",
    /*  5 */ L"Auswahl Zielpfad",
    /*  6 */ L"Öffne Hilfe",
    /*  7 */ L"Einfügen Zielpfad",
    /*  8 */ L"Sprache D/E",
    /*  9 */ L"Test",
    /* 10 */ L"i",
    /* 11 */ L"Lösche Quellpfad",
    /* 12 */ L"Lösche Zielpfad",
};

const CString g_ExtraCaptionsEnglish[] = {
    /* 0 */ L"Stop Entries",
    /* 1 */ L"Clear Info",
    /* 2 */ L"",
    /* 3 */ L"",
    /* 4 */ L"Open Exports",
};

const CString g_ExtraCaptionsGerman[] = {
    /* 0 */ L"Stoppe Einträge",
    /* 1 */ L"Lösche Info",
    /* 2 */ L"",
    /* 3 */ L"",
    /* 4 */ L"Öffne Exporte",
};
