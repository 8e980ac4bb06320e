#pragma once
// The command handlers of the main menu, one group per menu. Each takes the
// main window and ends by redrawing unless its command says otherwise.

#include <string>
#include <string_view>

#include "script/operationen.h"

namespace gm {

class TLandGenerator;
using Befehl = void (*)(TLandGenerator&);

// The catalogue's operations: the command for a menu item's object name
// (nullptr when no operation has it), and running one from its menu item.
const Operation* OperationFuerMenue(std::string_view objekt);
void OperationBefehl(TLandGenerator& f, const Operation& op);
// The dialog class registered for an operation with a dialog of its own.
Befehl EigenerDialogFuer(const Operation& op);

// "&Datei"
void FileNew1Execute(TLandGenerator& f);
void FileOpen1Execute(TLandGenerator& f);
// Opens the native file `pfad` after the save question ("Zuletzt geöffnet").
void NativDateiOeffnen(TLandGenerator& f, const std::string& pfad);
void Hinzuffnen1Click(TLandGenerator& f);
void FileSave1Execute(TLandGenerator& f);
void FileSaveAs1Execute(TLandGenerator& f);
void FileExit1Execute(TLandGenerator& f);

// "&Datei" -> "&Importieren" and "&Exportieren", "Maske" -> "Exportieren BMP",
// "Voreinstellungen" -> "&DXF"
void ImportierenGrafikClick(TLandGenerator& f);
void ImportierenTerragenClick(TLandGenerator& f);
void stm1Click(TLandGenerator& f);
void ImportierenPNGClick(TLandGenerator& f);
void BMP1Click(TLandGenerator& f);
void Targatga1Click(TLandGenerator& f);
void Targa16Bittga1Click(TLandGenerator& f);
void Png16Click(TLandGenerator& f);
void Raw16Click(TLandGenerator& f);
void PovRayinc1Click(TLandGenerator& f);
void PovRayinc2Click(TLandGenerator& f);
void DXF1Click(TLandGenerator& f);
void Wavefrontobj1Click(TLandGenerator& f);
void ExportierenTerragenClick(TLandGenerator& f);
void TerragenBetaWM1Click(TLandGenerator& f);
void ExportierenBMP1Click(TLandGenerator& f);
void DXF2Click(TLandGenerator& f);
// "&Verlauf BMP" (export and settings) and "Verlauf COFFEE"
void VerlaufBMP1Click(TLandGenerator& f);
void VerlaufBMP2Click(TLandGenerator& f);
void COFFEE1Click(TLandGenerator& f);

// "B&earbeiten"
void Undo1Click(TLandGenerator& f);
void Bitmapkopieren1Click(TLandGenerator& f);
void CutItemClick(TLandGenerator& f);
void CopyItemClick(TLandGenerator& f);
void PasteItemClick(TLandGenerator& f);
void Tauschen1Click(TLandGenerator& f);
void Freigeben1Click(TLandGenerator& f);
void Neumalen1Click(TLandGenerator& f);

// "&Ansicht"
void Zoom1Click(TLandGenerator& f);
void Zoom2Click(TLandGenerator& f);
void N1001Click(TLandGenerator& f);
void N501Click(TLandGenerator& f);
void N331Click(TLandGenerator& f);
void N502Click(TLandGenerator& f);
void N2001Click(TLandGenerator& f);
void N3001Click(TLandGenerator& f);
void N4001Click(TLandGenerator& f);
// "&Ansicht": the profile view from each direction and the 3D preview.
void Vorne1Click(TLandGenerator& f);
void Hinten1Click(TLandGenerator& f);
void Rechts1Click(TLandGenerator& f);
void Links1Click(TLandGenerator& f);
void N3DVorschau1Click(TLandGenerator& f);
// After a new field came in: the zoom lowered until the field fits the view.
void AnsichtEinpassen(TLandGenerator& f);

// "Maske"
void Abwhlen1Click(TLandGenerator& f);
void MaskeInvertieren1Click(TLandGenerator& f);
void Alles1Click(TLandGenerator& f);
void MaskeNeu1Click(TLandGenerator& f);
void MaskePlus1Click(TLandGenerator& f);
void MaskeMinus1Click(TLandGenerator& f);
void berHhe1Click(TLandGenerator& f);
void Hhe1Click(TLandGenerator& f);
void UnterHhe1Click(TLandGenerator& f);
void Null1Click(TLandGenerator& f);

// "&Palette"
void Kopieren2Click(TLandGenerator& f);
void PaletteInvertierenClick(TLandGenerator& f);
void GrP11Click(TLandGenerator& f);
void GrP21Click(TLandGenerator& f);
void P1P21Click(TLandGenerator& f);
void P2P11Click(TLandGenerator& f);
void P1P22Click(TLandGenerator& f);
void Graustufen1Click(TLandGenerator& f);
void Palette11Click(TLandGenerator& f);
void Palette22Click(TLandGenerator& f);
void Palette12Click(TLandGenerator& f);
void Laden1Click(TLandGenerator& f);
void Speichern1Click(TLandGenerator& f);
void Speichernals1Click(TLandGenerator& f);
void Einstellungen1Click(TLandGenerator& f);

// "&Bild"
void N00101Click(TLandGenerator& f);
void minmax1Click(TLandGenerator& f);
void Bildgre1Click(TLandGenerator& f);
// "&Bild" -> "FIR-Filter" and "PassFilter": set the mode, then open the dialog.
void FIRFilter1Click(TLandGenerator& f);
void Weich1Click(TLandGenerator& f);
void BPass1Click(TLandGenerator& f);
void Breject1Click(TLandGenerator& f);
void LoPass1Click(TLandGenerator& f);
void HiPass1Click(TLandGenerator& f);

// "Script"
void ScriptNeuClick(TLandGenerator& f);
void ScriptAufnehmenClick(TLandGenerator& f);
void ScriptStoppenClick(TLandGenerator& f);
void ScriptLadenClick(TLandGenerator& f);
void ScriptSpeichernClick(TLandGenerator& f);
void ScriptAbspielenClick(TLandGenerator& f);

// "&Hilfe"
void HelpAbout1Execute(TLandGenerator& f);

// Builds the whole menu bar and connects every built command.
void MenueAufbauen(TLandGenerator& f);

}  // namespace gm
