// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_backend.h"

#include <QStringList>

namespace chromadeck::platform {

namespace {

// "*.jpg;*.jpeg" -> "*.jpg *.jpeg". "*.*" means every file, including those without an
// extension, which Qt only matches with "*".
QString toQtPatterns(const QString& patterns) {
    QStringList out;
    for (const QString& raw : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = raw.trimmed();
        if (pattern.isEmpty()) continue;
        out << (pattern == u"*.*" ? QStringLiteral("*") : pattern);
    }
    if (out.isEmpty()) out << QStringLiteral("*");
    return out.join(u' ');
}

}  // namespace

QString toQtFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString caption = parts[i].trimmed();
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (caption.isEmpty() && patterns.trimmed().isEmpty()) continue;
        const QString qtPatterns = toQtPatterns(patterns);
        filters << (caption.isEmpty() ? qtPatterns
                                      : QStringLiteral("%1 (%2)").arg(caption, qtPatterns));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace chromadeck::platform
