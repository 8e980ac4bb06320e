#pragma once
// Each dialog is created once per window, on its first use, as a child of the
// window, and reused afterwards, so its stored set lasts as long as the window.

#include "app/hauptfenster.h"

namespace gm {

template <class D>
D& einmalDialog(TLandGenerator& f) {
    if (D* d = f.findChild<D*>(QString(), Qt::FindDirectChildrenOnly)) return *d;
    return *new D(f.sitzung(), &f);
}

}  // namespace gm
