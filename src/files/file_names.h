#pragma once
// The rules of the file dialog that need no window: the three kinds of table file, how a typed
// name is checked and split, and what "&Open" / "&Save" makes of it.

#include <QString>

namespace bw {

// FileKind 1 mortgage tables, 2 personal loan tables, 3 comparison tables, 4 mortgage plans (any
// other number is taken as 1).
struct FileKindInfo {
    const char* pattern;    // "*.kmd"
    const char* typeText;   // "Mortgage Database (*.kmd)"
    const char* extension;  // ".KMD"
    const char* missing;    // "Must use .KMD"
};
const FileKindInfo& FileKindOf(int fileKind);

// FileKind of the planner's plan files (.KPL).
constexpr int kPlanFileKind = 4;

// FileKind left by a cancelled dialog.
constexpr int kFileDialogCancelled = 6;

// The extension of a typed name as the dialog checks it: upper case, from the first "." of the
// name (after the last "/") to the end; empty when there is none.
QString TypedExtension(const QString& text);

// Whether a file name matches a pattern such as "*.kmd" or "loan?.KMD;*.old", ignoring case.
bool MatchesPattern(const QString& name, const QString& pattern);

// A typed name split at its last "/": the folder typed before it (empty when none, "/" for the
// root) and the name after it; whether the name holds "*" or "?".
struct TypedName {
    QString folder;
    QString name;
    bool wildcard = false;
};
TypedName SplitTypedName(const QString& text);

// What "&Open" / "&Save" does with a typed name that has the kind's extension, once the lists
// show its folder. `listed`: the name is one of the files listed there.
enum class TypedNameOutcome {
    ApplyPattern,  // the name is a pattern: it becomes the file list's pattern
    ResetPattern,  // opening a name: the box gets the kind's pattern again
    SaveOver,      // saving over a listed file under its own name
    SaveNew,       // saving a new file under the name in lower case
};
TypedNameOutcome OutcomeOfTypedName(const TypedName& typed, bool saving, bool listed);

}  // namespace bw
