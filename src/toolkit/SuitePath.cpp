#include "SuitePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tarvand {

namespace {

const QLatin1String windowsLibrarySuffix(".dll");

QString childPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace

QString SuitePath::LibrarySuffix() {
#if defined(Q_OS_WIN)
    return QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral(".dylib");
#else
    return QStringLiteral(".so");
#endif
}

QString SuitePath::ToPlatform(const QString& suitePath) {
    if (suitePath.trimmed().isEmpty())
        return QString();
    QString path = suitePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path = QDir::cleanPath(path);

    const bool isLibrary = path.endsWith(windowsLibrarySuffix, Qt::CaseInsensitive);
    if (isLibrary)
        path.chop(windowsLibrarySuffix.size());

    // The root ("/", "C:/" or "//server/") is taken as it stands; only names below it are matched.
    QString resolved;
    QString rest = path;
    if (path.startsWith(QLatin1String("//"))) {
        resolved = QStringLiteral("//");
        rest = path.mid(2);
    } else if (path.startsWith(QLatin1Char('/'))) {
        resolved = QStringLiteral("/");
        rest = path.mid(1);
    } else if (path.size() >= 2 && path.at(1) == QLatin1Char(':')) {
        const int slash = path.indexOf(QLatin1Char('/'));
        resolved = slash < 0 ? path : path.left(slash + 1);
        rest = slash < 0 ? QString() : path.mid(slash + 1);
    }

    const QStringList names = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool matching = true;
    for (int i = 0; i < names.size(); ++i) {
        const bool last = i == names.size() - 1;
        QString name = names.at(i);
        if (last && isLibrary) {
            const QString found = matching ? findLibrary(resolved, name) : QString();
            resolved = childPath(resolved, found.isEmpty() ? name + LibrarySuffix() : found);
            break;
        }
        if (matching) {
            const QString found = findEntry(resolved, name);
            if (found.isEmpty())
                matching = false;
            else
                name = found;
        }
        resolved = childPath(resolved, name);
    }
    return resolved;
}

QString SuitePath::findEntry(const QString& folder, const QString& name) {
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return name;
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    // Several entries may differ only in case; the sorted listing makes the choice repeatable.
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

QString SuitePath::findLibrary(const QString& folder, const QString& baseName) {
    const QString plain = findEntry(folder, baseName + LibrarySuffix());
    if (!plain.isEmpty())
        return plain;
    return findEntry(folder, QStringLiteral("lib") + baseName + LibrarySuffix());
}

} // namespace tarvand
