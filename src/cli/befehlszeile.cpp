#include "cli/befehlszeile.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/maske.h"
#include "core/parameter.h"
#include "core/puffer.h"
#include "core/zahlen.h"

namespace gm::cli {

namespace {

struct MaskenBefehl {
    std::string_view name;
    void (*ausfuehren)(Dokument&);
};

const MaskenBefehl maskenBefehle[] = {
    {"clear", &MaskeLoeschen},   {"all", &MaskeAlles},   {"invert", &MaskeInvertieren},
    {"above", &MaskeUeberHoehe}, {"range", &MaskeHoehe}, {"below", &MaskeUnterHoehe},
    {"zero", &MaskeNull},
};

// Walks the arguments; each option takes its values from here.
class Leser {
  public:
    explicit Leser(const std::vector<std::string>& a) : args_(a) {}
    bool fertig() const { return i_ >= args_.size(); }
    const std::string& naechstes() { return args_[i_++]; }
    Status wert(const std::string& option, const char* was, std::string& aus) {
        if (fertig() || (args_[i_].rfind("--", 0) == 0 && option != "--line")) {
            return Status::fehler(option + " needs " + was);
        }
        aus = args_[i_++];
        return {};
    }
    // The KEY=VALUE arguments up to the next option.
    std::vector<std::string> zuweisungen() {
        std::vector<std::string> z;
        while (!fertig() && args_[i_].rfind("--", 0) != 0)
            z.push_back(args_[i_++]);
        return z;
    }

  private:
    const std::vector<std::string>& args_;
    std::size_t i_ = 0;
};

bool ganzzahlLesen(std::string_view text, std::uint64_t grenze, std::uint64_t& aus) {
    if (text.empty()) return false;
    auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), aus);
    return ec == std::errc() && ende == text.data() + text.size() && aus <= grenze;
}

Status seedLesen(Leser& l, const std::string& opt, Aktion& a) {
    std::string text;
    if (Status s = l.wert(opt, "a number", text); !s) return s;
    std::uint64_t n = 0;
    if (!ganzzahlLesen(text, 0xFFFFFFFFu, n)) {
        return Status::fehler("--seed needs a whole number 0..4294967295, got \"" + text + "\"");
    }
    a.seed = std::uint32_t(n);
    return {};
}

Status groesseLesen(Leser& l, const std::string& opt, Aktion& a) {
    std::string text;
    if (Status s = l.wert(opt, "WxH", text); !s) return s;
    const auto x = text.find_first_of("xX");
    std::uint64_t w = 0, h = 0;
    const std::string_view t(text);
    if (x == std::string::npos || !ganzzahlLesen(t.substr(0, x), 1u << 30, w) ||
        !ganzzahlLesen(t.substr(x + 1), 1u << 30, h)) {
        return Status::fehler(opt + " needs WxH in points, such as 513x513; got \"" + text + "\"");
    }
    if (!punkteGueltig(int(w), int(h))) {
        return Status::fehler(opt + " " + text + ": each side must be " +
                              std::to_string(MinPunkte) + ".." + std::to_string(MaxPunkte) +
                              " points");
    }
    a.punkteX = int(w);
    a.punkteY = int(h);
    return {};
}

Status oeffnenLesen(Leser& l, const std::string& opt, Aktion& a) {
    if (Status s = l.wert(opt, "a file name", a.text); !s) return s;
    a.import = ImportFuerPfad(a.text);
    if (a.import) return {};
    std::string bekannt;
    for (const auto& i : Importe())
        bekannt += (bekannt.empty() ? "" : ", ") + std::string(i.endung);
    return Status::fehler("--open " + a.text + ": unknown file type (known: " + bekannt + ")");
}

Status setzenLesen(Leser& l, const std::string& opt, Aktion& a) {
    std::string text;
    if (Status s = l.wert(opt, "KEY=VALUE", text); !s) return s;
    if (Status s = EinstellungLesen(text, a.einstellung); !s)
        return Status::fehler("--set: " + s.meldung());
    return {};
}

Status operationLesen(Leser& l, const std::string& opt, Aktion& a) {
    const OperationsArt art = opt == "--gen" ? OperationsArt::Generator : OperationsArt::Filter;
    const std::string wort = art == OperationsArt::Generator ? "generator" : "filter";
    std::string name;
    if (Status s = l.wert(opt, ("a " + wort + " name").c_str(), name); !s) return s;
    a.operation = OperationSuchen(art, name);
    if (!a.operation) {
        return Status::fehler(opt + ": unknown " + wort + " \"" + name + "\" (see --help)");
    }
    const auto zuweisungen = l.zuweisungen();
    if (Status s = WerteLesen(a.operation->parameter, zuweisungen, a.werte); !s) {
        return Status::fehler(opt + " " + name + ": " + s.meldung());
    }
    return {};
}

Status maskeLesen(Leser& l, const std::string& opt, Aktion& a) {
    std::string name;
    if (Status s = l.wert(opt, "an operation", name); !s) return s;
    for (const auto& m : maskenBefehle) {
        if (m.name == name) {
            a.maske = m.ausfuehren;
            return {};
        }
    }
    return Status::fehler("--mask: unknown operation \"" + name +
                          "\" (clear, all, invert, above, range, below, zero)");
}

Status exportLesen(Leser& l, const std::string& opt, Aktion& a) {
    std::string format;
    if (Status s = l.wert(opt, "a format and a file name", format); !s) return s;
    a.exportFormat = ExportSuchen(format);
    if (!a.exportFormat) {
        return Status::fehler("--export: unknown format \"" + format + "\" (see --help)");
    }
    return l.wert(opt, "a file name after the format", a.text);
}

Status dateiLesen(Leser& l, const std::string& opt, Aktion& a) {
    return l.wert(opt, "a file name", a.text);
}

Status zeileLesen(Leser& l, const std::string& opt, Aktion& a) {
    return l.wert(opt, "a script line", a.text);
}

// "X,Y" in grid units, finite and within the reach of a stroke.
Status punktLesen(const std::string& text, Punkt& p) {
    constexpr double grenze = 10000.0;
    const auto komma = text.find(',');
    const auto x = parseNumber(std::string_view(text).substr(0, komma));
    const auto y = komma == std::string::npos
                       ? std::nullopt
                       : parseNumber(std::string_view(text).substr(komma + 1));
    if (!x || !y || std::abs(*x) > grenze || std::abs(*y) > grenze) {
        return Status::fehler(
            "--stroke: a point is X,Y with each number within -10000..10000, got \"" + text + "\"");
    }
    p = {*x, *y};
    return {};
}

Status strichLesen(Leser& l, const std::string& opt, Aktion& a) {
    std::string name;
    if (Status s = l.wert(opt, "a tool", name); !s) return s;
    const WerkzeugInfo* w = WerkzeugSuchen(name);
    if (!w) return Status::fehler("--stroke: unknown tool \"" + name + "\" (see --help)");
    a.werkzeug = w->nummer;
    for (const std::string& arg : l.zuweisungen()) {
        if (arg.find('=') == std::string::npos) {
            if (Status s = punktLesen(arg, a.punkte.emplace_back()); !s) return s;
        } else if (arg.rfind("Rechts=", 0) == 0) {
            const std::string wert = arg.substr(7);
            if (wert != "0" && wert != "1") {
                return Status::fehler("--stroke: Rechts must be 0 or 1, got \"" + wert + "\"");
            }
            a.rechts = wert == "1";
        } else if (Status s = EinstellungLesen(arg, a.einstellungen.emplace_back()); !s) {
            return Status::fehler("--stroke: " + s.meldung());
        }
    }
    if (a.punkte.empty())
        return Status::fehler("--stroke " + name + " needs at least one point X,Y");
    return {};
}

Status nichts(Leser&, const std::string&, Aktion&) {
    return {};
}

struct Option {
    std::string_view name;
    AktionsArt art;
    Status (*lesen)(Leser&, const std::string&, Aktion&);
};

const Option optionen[] = {
    {"--seed", AktionsArt::Seed, &seedLesen},
    {"--size", AktionsArt::Groesse, &groesseLesen},
    {"--resize", AktionsArt::Umrechnen, &groesseLesen},
    {"--open", AktionsArt::Oeffnen, &oeffnenLesen},
    {"--line", AktionsArt::Zeile, &zeileLesen},
    {"--script", AktionsArt::Script, &dateiLesen},
    {"--set", AktionsArt::Setzen, &setzenLesen},
    {"--add", AktionsArt::Hinzu, &dateiLesen},
    {"--undo", AktionsArt::Undo, &nichts},
    {"--gen", AktionsArt::Operation, &operationLesen},
    {"--filter", AktionsArt::Operation, &operationLesen},
    {"--mask", AktionsArt::Maske, &maskeLesen},
    {"--save", AktionsArt::Speichern, &dateiLesen},
    {"--export", AktionsArt::Export, &exportLesen},
    {"--info", AktionsArt::Info, &nichts},
    {"--palette", AktionsArt::Palette, &dateiLesen},
    {"--save-palette", AktionsArt::PaletteSpeichern, &dateiLesen},
    {"--stroke", AktionsArt::Strich, &strichLesen},
    {"--coffee-template", AktionsArt::CoffeeVorlage, &dateiLesen},
};

}  // namespace

Status BefehlszeileLesen(const std::vector<std::string>& argumente, Befehlszeile& aus) {
    Leser l(argumente);
    while (!l.fertig()) {
        const std::string opt = l.naechstes();
        if (opt == "--help" || opt == "-h") {
            aus.hilfe = true;
            continue;
        }
        const Option* o = nullptr;
        for (const auto& kandidat : optionen) {
            if (kandidat.name == opt) o = &kandidat;
        }
        if (!o) return Status::fehler("unknown option \"" + opt + "\" (see --help)");
        Aktion a;
        a.art = o->art;
        if (Status s = o->lesen(l, opt, a); !s) return s;
        aus.aktionen.push_back(std::move(a));
    }
    return {};
}

}  // namespace gm::cli
