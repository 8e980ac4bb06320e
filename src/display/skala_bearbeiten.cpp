#include "display/skala_bearbeiten.h"

#include <algorithm>
#include <cmath>

#include "core/zahlen.h"
#include "display/farbe.h"
#include "display/skala.h"

namespace gm {

namespace {

constexpr double Schritt = 0.001;

int& gewaehlterIndex(ColourState& farben) {
    return farben.Skala.gewaehlt[std::size_t(farben.Skala.aktivePalette == 2 ? 1 : 0)];
}

int byte255(double c) {
    return roundToInt(clamp01(c) * 255.0);
}

// Left button above the bar grows, below shrinks, in between takes `zeilenwert`.
double tastenWert(double alt, int y, int hoehe, double zeilenwert) {
    if (y < 8) return alt + Schritt;
    if (y > hoehe - 8) return alt - Schritt;
    return zeilenwert;
}

void streuungBegrenzen(Marke& m) {
    if (m.Wert + m.Streuung > 1.0) m.Streuung = SkalaDreiStellen(1.0 - m.Wert);
    if (m.Wert - m.Streuung < 0.0) m.Streuung = SkalaDreiStellen(m.Wert);
}

bool innererPunkt(const Palette& p, int i) {
    return i > 0 && i < p.MaxIndex;
}

}  // namespace

double SkalaDreiStellen(double v) {
    return clamp01(roundHalfEven(v * 1000.0) * Schritt);
}

std::string SkalaStatusText(double wert, const Farbe3& farbe) {
    return "Farbskala(x, r, g, b): (" + formatFixed(wert, 6) + ", " +
           std::to_string(byte255(farbe.rot)) + ", " + std::to_string(byte255(farbe.gruen)) + ", " +
           std::to_string(byte255(farbe.blau)) + ")";
}

int SkalaSpalte(const ColourState& farben, int x, int y, int hoehe) {
    if (y < 5 || y >= hoehe - 4) return 0;
    const int modus = farben.Farbmodus;
    if (x > 3 && x < 13 && (modus == FarbmodusPalette1 || modus == FarbmodusRender)) return 1;
    if (x >= 24 && x < 33 && (modus == FarbmodusPalette2 || modus == FarbmodusRender)) return 2;
    return 0;
}

int SkalaPunktTreffen(ColourState& farben, int x, int y, int hoehe) {
    SkalaZustand& s = farben.Skala;
    s.aktivePalette = 1;
    s.gewaehlt = {0, 0};
    const int spalte = SkalaSpalte(farben, x, y, hoehe);
    if (spalte == 0) return -1;
    s.aktivePalette = spalte;
    const Palette& p = farben.palette(spalte);
    for (int i = 0; i <= p.MaxIndex && i < PalettePunkteMax; ++i) {
        const int r = SkalaZeile(hoehe, p.Punkte[std::size_t(i)].Position);
        if (r - 4 < y && y < r + 4) {
            gewaehlterIndex(farben) = i;
            return i;
        }
    }
    return -1;
}

bool SkalaPunktZiehen(ColourState& farben, int y, int hoehe) {
    Palette& p = farben.palette(farben.Skala.aktivePalette);
    const int i = gewaehlterIndex(farben);
    if (!innererPunkt(p, i)) return false;
    const int naechste = SkalaZeile(hoehe, p.Punkte[std::size_t(i + 1)].Position);
    const int vorige = SkalaZeile(hoehe, p.Punkte[std::size_t(i - 1)].Position);
    if (!(y > naechste + 2 && y < vorige - 2)) return false;
    p.Punkte[std::size_t(i)].Position = SkalaWert(hoehe, y);
    return true;
}

bool SkalaMarkeBearbeiten(Dokument& dok, int x, int y, Maustaste taste, int breite, int hoehe) {
    const int mitte = (breite - 36) / 2 + 36;
    Marke* m = nullptr;
    if (x >= 37 && x < mitte) m = &dok.MarkeUnten;
    if (x > mitte && x < breite) m = &dok.MarkeOben;
    if (m == nullptr) return false;
    const double zeilenwert = SkalaWert(hoehe, y);
    if (taste == Maustaste::Links) {
        m->Wert = SkalaDreiStellen(tastenWert(m->Wert, y, hoehe, zeilenwert));
    } else if (taste == Maustaste::Rechts) {
        const double abstand = std::fabs(m->Wert - zeilenwert);
        m->Streuung = SkalaDreiStellen(tastenWert(m->Streuung, y, hoehe, abstand));
    } else {
        return false;
    }
    streuungBegrenzen(*m);
    return true;
}

SkalaAntwort SkalaMouseDown(ColourState& farben, Dokument& dok, int x, int y, Maustaste taste,
                            int breite, int hoehe) {
    SkalaZustand& s = farben.Skala;
    s.letztesX = x;
    s.letztesY = y;
    SkalaAntwort a;
    const int i = SkalaPunktTreffen(farben, x, y, hoehe);
    if (innererPunkt(farben.palette(s.aktivePalette), i)) {
        s.punktZiehen = true;
        SkalaPunktZiehen(farben, y, hoehe);
        a.skalaNeu = true;
        return a;
    }
    s.markeZiehen = true;
    s.markeTaste = taste;
    a.skalaNeu = SkalaMarkeBearbeiten(dok, x, y, taste, breite, hoehe);
    return a;
}

SkalaAntwort SkalaMouseMove(ColourState& farben, Dokument& dok, int x, int y, int breite,
                            int hoehe) {
    SkalaZustand& s = farben.Skala;
    s.letztesX = x;
    s.letztesY = y;
    SkalaAntwort a;
    if (s.punktZiehen) {
        SkalaPunktZiehen(farben, y, hoehe);
        const Palettenpunkt& q =
            farben.palette(s.aktivePalette).Punkte[std::size_t(gewaehlterIndex(farben))];
        a.skalaNeu = true;
        a.status = SkalaStatusText(q.Position, {q.Rot, q.Gruen, q.Blau});
        return a;
    }
    if (s.markeZiehen) {
        a.skalaNeu = SkalaMarkeBearbeiten(dok, x, y, s.markeTaste, breite, hoehe);
        return a;
    }
    if (SkalaSpalte(farben, x, y, hoehe) != 0) {
        const double v = SkalaWert(hoehe, y);
        a.status = SkalaStatusText(v, RenderFarbe(farben, dok, 0.0, v));
    } else {
        a.status = std::string();
    }
    return a;
}

SkalaAntwort SkalaMouseUp(ColourState& farben, Dokument& /*dok*/, int x, int y, Maustaste taste,
                          int hoehe) {
    SkalaZustand& s = farben.Skala;
    s.letztesX = x;
    s.letztesY = y;
    SkalaAntwort a;
    // A finished point drag changed the palette even when the pointer ends off the point.
    a.skalaNeu = a.hauptbildNeu = s.punktZiehen;
    s.punktZiehen = false;
    s.markeZiehen = false;
    s.markeTaste = Maustaste::Keine;
    const int i = SkalaPunktTreffen(farben, x, y, hoehe);
    if (i < 0) return a;
    a.skalaNeu = a.hauptbildNeu = true;
    if (taste == Maustaste::Rechts) {
        const double position = farben.palette(s.aktivePalette).Punkte[std::size_t(i)].Position;
        a.farbDialog = PaletteFarbeTColor(farben, s.aktivePalette, position);
    }
    return a;
}

SkalaAntwort SkalaDblClick(ColourState& farben, int hoehe) {
    SkalaZustand& s = farben.Skala;
    const int x = s.letztesX;
    const int y = s.letztesY;
    SkalaAntwort a;
    const int i = SkalaPunktTreffen(farben, x, y, hoehe);
    Palette& p = farben.palette(s.aktivePalette);
    if (i >= 0) {
        a.skalaNeu = true;
        if (PunktLoeschen(p, i)) {
            gewaehlterIndex(farben) = 0;
            a.hauptbildNeu = true;
        }
        return a;
    }
    // Only a double click on a palette column inserts a point.
    if (SkalaSpalte(farben, x, y, hoehe) == 0 || p.MaxIndex >= PalettePunkteMax - 1) return a;
    for (int k = 1; k <= p.MaxIndex; ++k) {
        const int oben = SkalaZeile(hoehe, p.Punkte[std::size_t(k)].Position);
        const int unten = SkalaZeile(hoehe, p.Punkte[std::size_t(k - 1)].Position);
        if (oben < y && y < unten) {
            const double v = SkalaWert(hoehe, y);
            const Farbe3 c = PaletteFarbe(p, v);
            if (PunktEinfuegen(p, k, {v, c.rot, c.gruen, c.blau})) {
                a.skalaNeu = a.hauptbildNeu = true;
            }
            break;
        }
    }
    return a;
}

void PunktFarbeSetzen(ColourState& farben, int rot, int gruen, int blau) {
    Palette& p = farben.palette(farben.Skala.aktivePalette);
    const int i = gewaehlterIndex(farben);
    if (i < 0 || i > p.MaxIndex || i >= PalettePunkteMax) return;
    Palettenpunkt& q = p.Punkte[std::size_t(i)];
    q.Rot = std::clamp(rot, 0, 255) / 255.0;
    q.Gruen = std::clamp(gruen, 0, 255) / 255.0;
    q.Blau = std::clamp(blau, 0, 255) / 255.0;
}

}  // namespace gm
