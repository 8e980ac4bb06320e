#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/hauptfenster.h"
#include "script/sitzung.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "gravimonte: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Use gravimonte-cli, or set QT_QPA_PLATFORM=offscreen.\n");
        return 2;
    }
    QApplication app(argc, argv);
    auto sitzung = std::make_unique<gm::Sitzung>();
    gm::TLandGenerator fenster(*sitzung);
    fenster.show();
    return app.exec();
}
