// Tooltip texts of the 13 colour push buttons and the 5 check boxes, kept in read-only data.
#include "texts/text_tables.h"

const wchar_t* const g_ToolTipsEnglish[] = {
    /*  0 */ L"Select the current directory as source path",
    /*  1 */ L"Go one directory level up",
    /*  2 */ L"Refresh the directory path and contained files",
    /*  3 */ L"Insert source directory path, selected through a user-preferred file explorer into/out of the Windows clipboard",
    /*  4 */ L"Execute the selected command",
    /*  5 */ L"Select the current directory as target path",
    /*  6 */ L"Open the English user manual in PDF format",
    /*  7 */ L"Insert the selected target path (clipboard content)",
    /*  8 */ L"Switch language between English and German",
    /*  9 */ L"Pre-test of the selected command with respect to required user input and required renamings of files that will to be moved",
    /* 10 */ L"3 possibilities for selection: 1. through file browser below 2. Through separate file browser (copy to clipboard => paste) 3. Type path manually",
    /* 11 */ L"Clear the selected source path",
    /* 12 */ L"Clear the selected target path",
    /* 13 */ L"Stop entries into the information listbox",
    /* 14 */ L"Clear content of the information listbox",
    /* 15 */ L"Search distinction of capital letters when checked",
    /* 16 */ L"Search distinction of whole Words when checked",
    /* 17 */ L"Automatical opening of export files immediately after their generation",
};

const wchar_t* const g_ToolTipsGerman[] = {
    /*  0 */ L"Wähle das aktuelle Verzeichnis als Quellpfad",
    /*  1 */ L"Gehe einen Verzeichnislevel nach oben",
    /*  2 */ L"Aktualisiere den Verzeichnispfad und darin enthaltene Dateien",
    /*  3 */ L"Füge den Quellpfad ein über einen benutzer-gewählten Dateibrowser, in/aus der Windows Zwischenablage",
    /*  4 */ L"Führe den gewählten Befehl aus",
    /*  5 */ L"Wähle das aktuelle Verzeichnis als Zielpfad",
    /*  6 */ L"Öffnen der deutschen Hilfedatei im PDF Format",
    /*  7 */ L"Füge den ausgewählten Zielpfad ein (Windows Zwischenablage)",
    /*  8 */ L"Umschalten der Sprache zwischen Englisch und Deutsch",
    /*  9 */ L"Vortest des gewählten Befehls im Hinblick auf erforderlichen Eingaben und erforderlichen Umbenennungen von Dateien nach der Verschiebung",
    /* 10 */ L"3 Möglichkeiten zur Auswahl: 1. Über den untenstehenden Dateibrowser 2. Über einen separaten Dateibrowser (kopieren in/einfügen aus der Windows Zwischenablage) 3. Manuelles Eintippen des Pfads",
    /* 11 */ L"Lösche den ausgewählten Quellpfad",
    /* 12 */ L"Lösche den ausgewählten Zielpfad",
    /* 13 */ L"Stoppe die Einträge in die Informations-Listbox",
    /* 14 */ L"Lösche den Inhalt der Informations-Listbox",
    /* 15 */ L"Unterscheidung Großschreibung beim Suchen, wenn Häkchen gesetzt",
    /* 16 */ L"Nur ganze Wörter beim Suchen, wenn Häkchen gesetzt",
    /* 17 */ L"Automatische Öffnung von Export Dateien unmittelbar nach deren Erzeugung",
};
