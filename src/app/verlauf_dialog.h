#pragma once
// "Eingabe Parameter Verlauf" (`TEingabeVerlauf`): size and roughness of the
// gradient picture. Width and height are number fields, jitter and random
// share sliders, "konstant" a check box; the preview shows the gradient in
// palette 1 from the working values. "Übernehmen" stores them in the session.

#include "app/parameter_dialog.h"
#include "formats/verlauf.h"

class QLineEdit;

namespace gm {

class TLandGenerator;

class TEingabeVerlauf : public ParameterDialog {
    Q_OBJECT
  public:
    explicit TEingabeVerlauf(Sitzung& s, QWidget* parent = nullptr);

    // FormShow on the session's record.
    void beginnen();
    // Reads both number fields (first comma as point, clamped) and shows them back.
    void felderLesen();
    VerlaufRec arbeitsRecord() const;

    QLineEdit* feld(int i) const { return felder_[i]; }  // Edit0, Edit1

    void accept() override;  // WeiterClick

  private:
    Sitzung& s_;
    Werte gespeichert_;
    double breite_ = 0, hoehe_ = 0;
    QLineEdit* felder_[2] = {};
};

// The preview of a gradient record: 256 x 256 values, top row 1, drawn from a
// copy of `seed` so the document's generator does not move.
void VerlaufVorschau(const VerlaufRec& rec, std::uint32_t seed, Vorschaufeld& feld);

// "Voreinstellungen" -> "&Verlauf BMP": the window's one dialog on the session's record.
bool verlaufEinstellen(TLandGenerator& f);

}  // namespace gm
