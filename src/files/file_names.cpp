#include "files/file_names.h"

#include <QRegularExpression>
#include <QStringList>

namespace bw {
namespace {

const FileKindInfo kKinds[4] = {
    {"*.kmd", "Mortgage Database (*.kmd)", ".KMD", "Must use .KMD"},
    {"*.kld", "Loan Database (*.kld)", ".KLD", "Must use .KLD"},
    {"*.kcd", "Compare Database (*.kcd)", ".KCD", "Must use .KCD"},
    {"*.kpl", "Plan Database (*.kpl)", ".KPL", "Must use .KPL"},
};

}  // namespace

const FileKindInfo& FileKindOf(int fileKind) {
    return (fileKind >= 1 && fileKind <= 4) ? kKinds[fileKind - 1] : kKinds[0];
}

QString TypedExtension(const QString& text) {
    const QString name = text.mid(text.lastIndexOf('/') + 1);
    const qsizetype point = name.indexOf('.');
    return point < 0 ? QString() : name.mid(point).toUpper();
}

bool MatchesPattern(const QString& name, const QString& pattern) {
    const QStringList parts = pattern.split(';', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QRegularExpression re(
            QRegularExpression::wildcardToRegularExpression(
                part.trimmed(), QRegularExpression::UnanchoredWildcardConversion),
            QRegularExpression::CaseInsensitiveOption);
        const auto m = re.match(name);
        if (m.hasMatch() && m.capturedStart() == 0 && m.capturedLength() == name.size())
            return true;
    }
    return false;
}

TypedName SplitTypedName(const QString& text) {
    TypedName t;
    const qsizetype slash = text.lastIndexOf('/');
    if (slash >= 0) t.folder = slash == 0 ? QStringLiteral("/") : text.left(slash);
    t.name = text.mid(slash + 1);
    t.wildcard = t.name.contains('*') || t.name.contains('?');
    return t;
}

TypedNameOutcome OutcomeOfTypedName(const TypedName& typed, bool saving, bool listed) {
    if (typed.wildcard) return TypedNameOutcome::ApplyPattern;
    if (!saving) return TypedNameOutcome::ResetPattern;
    return listed ? TypedNameOutcome::SaveOver : TypedNameOutcome::SaveNew;
}

}  // namespace bw
