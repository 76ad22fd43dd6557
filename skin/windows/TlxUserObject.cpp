#include "skin/windows/TlxUserObject.h"

#include "skin/windows/TlxLumivex.h"

void TlxUserObject::Draw(TCanvas* Cnvs, bool) {
    Parent->DoPaintEvent(IDName, Cnvs, ObjectRect);
}
