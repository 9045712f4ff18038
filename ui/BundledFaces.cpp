// SPDX-License-Identifier: MIT
#include "BundledFaces.h"

#include <QDir>
#include <QFontDatabase>

// The faces live in a static library's resources: without this call the linker
// drops them. Qt's macro works only outside any namespace.
static void InitFaces()
{
    Q_INIT_RESOURCE(faces);
}

namespace quorvane {

void AddBundledFaces()
{
    static bool added = false;
    if (added) return;
    added = true;
    InitFaces();
    const QDir faces(QStringLiteral(":/faces"));
    for (const QString& file : faces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(faces.filePath(file));
}

} // namespace quorvane
