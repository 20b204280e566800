#include "editor/messages.h"

namespace editor::text {

std::string CannotAccessPicture(const std::string& path) {
  return "Achtung: Kann Datei " + path +
         " nicht ansprechen ! Stellen sie sicher dass der Pfad korrekt lautet\r\nund auf das Bild "
         "zugegriffen werden kann.";
}

std::string EditPairFirst(int pairCount) {
  return "Bitte editieren sie zuerst das Bilderpaar an der Stelle " + std::to_string(pairCount) +
         ", ansonsten kommt es zu einer Lücke in der Spielliste.";
}

std::string CompletePairFirst(int pairCount) {
  return "Bitte vervollständigen sie zuerst das Bilderpaar an der Stelle " + std::to_string(pairCount) +
         ", ansonsten kommt es zu einer Lücke in der Spielliste.";
}

namespace {
constexpr const char* kSizeRule =
    " stimmt nicht mit den Vorgaben überein.\r\n\r\nUm ein Bild in Vistrel zu verwenden bedarf es einer "
    "exakten Größe von 488 x 430.\r\n\r\nDie Größe dieses Bildes lautet:";

std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}
}  // namespace

std::string WrongSizeOnLoad(int width, int height) {
  return std::string("Die Größe dieser Bilddatei") + kSizeRule + SizeText(width, height);
}

std::string BuildNotJfif(const std::string& path) {
  return "Die Datei " + path + " scheint kein gütliges JPEG Format zu haben ! Laden nicht möglich.";
}

std::string BuildWrongSize(const std::string& path, int width, int height) {
  return "Die Bildgröße der Bilddatei" + path + kSizeRule + SizeText(width, height);
}

std::string NotAccessible(const std::string& path) { return path + " nicht ansprechbar"; }

std::string BadSharedPicture(int slot) {
  return "Das Bild " + std::to_string(slot % 2 + 1) + " des Bilderpaares " + std::to_string(slot / 2) +
         " verweist auf kein gültiges Bild der Spielliste. Die Spieldatei wurde nicht erstellt.";
}

std::string CannotStartWizard() {
  return std::string(
             "Konnte wizard aufgrund einer fehlenden Datei nicht starten.\r\nInstallieren sie Vistrel neu "
             "oder wenden sie sich an den qualdrex support unter ") +
         kSupportAddress;
}

std::string PhotoNotUsable(const std::string& path, const std::string& reason) {
  return "Aus dem Foto " + path + " lässt sich kein Bilderpaar machen:\r\n\r\n" + reason;
}

std::string ReplacePairFiles(const std::string& first, const std::string& second, const std::string& rects) {
  return "Neben dem Foto gibt es schon die Dateien\r\n" + first + "\r\n" + second + "\r\n" + rects +
         "\r\n\r\nSollen sie durch das neue Bilderpaar ersetzt werden ?";
}

}  // namespace editor::text
