// The OBJECTS section as dxflib writes it names no owners; AutoCAD-compatible readers (ezdxf's
// audit among them) expect every object to name the dictionary that holds it.
#pragma once

#include <QByteArray>

// The DXF text with a 330 owner group after the handle of every object in its OBJECTS section: the
// dictionary whose entry (350 or 360) points at the object, or 0 for the root dictionary. Objects
// that already name an owner right after their handle are left as they are; text without an OBJECTS
// section comes back unchanged.
QByteArray AddObjectOwners(const QByteArray& dxf);
