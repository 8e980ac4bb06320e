#include <QApplication>
#include <memory>

#include "app/hauptfenster.h"
#include "script/sitzung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto sitzung = std::make_unique<gm::Sitzung>();
    gm::TLandGenerator fenster(*sitzung);
    fenster.show();
    return app.exec();
}
