#pragma once
// "Darstellen3DLandschaft": the 3D preview of the field. The mesh and its
// colours are taken from the field and colour mode when the window opens;
// the sliders, a drag on the picture and the wheel turn and zoom it. The view
// settings are edited in place and so kept between openings.

#include <QDialog>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;

namespace gm {

struct Sitzung;
class Bild3DWidget;
class ReglerWidget;

class TDarstellen3DLandschaft : public QDialog {
    Q_OBJECT
  public:
    explicit TDarstellen3DLandschaft(Sitzung& s, QWidget* parent = nullptr);
    ~TDarstellen3DLandschaft() override;

    // FormShow: mesh and colours from the field, controls from AnsichtRec, draw.
    void vorbereiten();
    // vorbereiten(), then modal until "Beenden".
    void oeffnen();

    ReglerWidget* regler(const char* name) const;
    QCheckBox* schattierung() const { return schattierung_; }
    QComboBox* detail() const { return detail_; }
    Bild3DWidget* bild() const { return bild_; }
    // Whether the picture shows only the box (a drag with slow frames).
    bool nurKasten() const { return nurKasten_; }

  private:
    void reglerGelesen();  // the sliders into AnsichtRec, then a drag frame
    void gezogen(int dx, int dy);
    void gerollt(double stufen);
    void reglerSetzen();
    void netzAufbauen();
    // While dragging, the surface only when the last one took at most 30 ms.
    void zeichnen(bool ziehen);

    Sitzung& s_;
    std::vector<ReglerWidget*> regler_;
    QCheckBox* schattierung_;
    QComboBox* detail_;
    Bild3DWidget* bild_;
    // The mesh, the frame's working storage and the pictures.
    struct Bilder;
    std::unique_ptr<Bilder> b_;
    qint64 letzteDauer_ = 0;  // ms of the last surface
    bool nurKasten_ = false;
};

}  // namespace gm
