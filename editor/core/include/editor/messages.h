#pragma once
// Every text the editor shows, in UTF-8. The wording and spacing are the
// program's own; users and the help page refer to them.
#include <string>

namespace editor::text {

inline constexpr const char* kDialogTitle = "Vistrel Spieldateneditor!";
inline constexpr const char* kEmpty = "leer";
inline constexpr const char* kSupportAddress = "support@vistrel.example";

// Picture list and loading pictures.
std::string CannotAccessPicture(const std::string& path);
inline constexpr const char* kChoosePositionFirst =
    "Wählen sie zuerst eine Position in der Bilderliste um ein Bild darin einzutragen !";
std::string EditPairFirst(int pairCount);
std::string CompletePairFirst(int pairCount);
inline constexpr const char* kRemoveFirst =
    "Entfernen sie das zuvor geladene Bild zuerst bevor sie ein neues einladen !";
inline constexpr const char* kCannotOpenFile = "Kann Datei nicht öffnen";
inline constexpr const char* kNotJfif =
    "Diese Datei scheint kein gütliges JPEG Format zu haben ! Laden nicht möglich.";
std::string WrongSizeOnLoad(int width, int height);
inline constexpr const char* kCannotRemoveEmpty = "Kann leeren Eintrag nicht löschen.";
inline constexpr const char* kReallyRemovePicture1 = "Sicher dass sie dieses Bild entfernen wollen ?";
inline constexpr const char* kReallyRemovePicture2 = "Sicher dass sie diese Bild entfernen wollen ?";
// A project file separates its strings with the byte 0x10; a path holding
// that byte could never be read back.
inline constexpr const char* kPathNotStorable =
    "Der Pfad dieser Datei enthält ein Steuerzeichen und kann nicht in einer Spielliste "
    "gespeichert werden. Laden nicht möglich.";

// Building the game file.
std::string BuildNotJfif(const std::string& path);
std::string BuildWrongSize(const std::string& path, int width, int height);
inline constexpr const char* kFirstPairIncomplete =
    "Das erste Bilderpaar ist nicht vollständig !\r\nVervollständigen sie ihn erst !";
inline constexpr const char* kNameYourGameFile = "Bennen sie bitte ihre Spieldatei !";
inline constexpr const char* kCannotOpenOrCreate = "Kann Datei nicht öffnen / erzeugen";
inline constexpr const char* kNotAllScrambled = "Nicht alle Dateien wurden gescrambled";
std::string NotAccessible(const std::string& path);
std::string BadSharedPicture(int slot);
inline constexpr const char* kBuildSucceeded =
    "Die Spieldatei wurde erfolgreich erstellt !\r\n\r\nSie können sie jetzt in Vistrel verwenden !\r\n"
    "Wenn sie die Spieldatei weitergeben möchten, so geben sie die zwei Dateien mit den Endungen "
    ".vst und .qxs weiter !";

// Save dialogs replace existing files; a picture of the list is protected.
inline constexpr const char* kWouldReplacePicture =
    "Diese Datei ist ein Bild der Spielliste und wird nicht überschrieben. Wählen sie bitte einen "
    "anderen Dateinamen.";

// Hand-off to the difference editor.
inline constexpr const char* kChooseRecordFirst = "Zuerst zu bearbeitenden Datensatz wählen !";
inline constexpr const char* kPairIncompleteForEdit =
    "Um die Koordinaten der Fehler editieren zu können\r\nmuss das angewählte Bilderpaar komplett "
    "sein !\r\nBitte laden sie das Paar vollständig !";
std::string CannotStartWizard();
inline constexpr const char* kHandOffResultUnreadable =
    "Die Fehlerkoordinaten konnten nicht aus der Datei dat.txt gelesen werden. "
    "Die Fehler des Bilderpaares bleiben unverändert.";
inline constexpr const char* kHandOffPairChanged =
    "Das Bilderpaar wurde verändert während die Fehler editiert wurden. "
    "Die neuen Fehlerkoordinaten wurden daher verworfen.";

// Importing a photo as a whole pair.
inline constexpr const char* kPhotoDialogFilter =
    "Fotos (*.jpg;*.jpeg;*.png)|*.jpg;*.jpeg;*.JPG;*.JPEG;*.png;*.PNG|Alle Dateien (*.*)|*.*";
inline constexpr const char* kImportNeedsEmptyPair =
    "Entfernen sie zuerst beide Bilder dieses Bilderpaares, bevor sie ein Foto hinein importieren !";
std::string PhotoNotUsable(const std::string& path, const std::string& reason);
std::string ReplacePairFiles(const std::string& first, const std::string& second, const std::string& rects);

// Program shell.
inline constexpr const char* kCannotStartBrowser =
    "Konnte ihren Browser nicht starten um die Anleitung editor.html anzuzeigen. Öffnen sie diese "
    "Datei daher bitte manuell";
inline constexpr const char* kReallyQuit = "Sicher dass sie beenden wollen ?";

// Project file.
inline constexpr const char* kProjectDamaged =
    "Diese Spielliste ist unvollständig oder beschädigt und kann nicht geladen werden.";

}  // namespace editor::text
