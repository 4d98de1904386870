#pragma once
// The patch commands of the editor's command line, run without a window:
//   quibed --create-patch ORIGINAL MODIFIED PATCH
//   quibed --apply-patch PATCH ROM OUTPUT
#include <QStringList>

namespace quib {

// `args` as the program got them, its own name first. Returns -1 when they
// are not a patch command; otherwise runs it and returns the exit code: 0 done,
// 1 failed, 2 misused, with one line on standard error saying why.
int runpatchcommand(const QStringList &args);

// The lines --help shows for the patch commands.
QString patchcommandhelp();

} // namespace quib
