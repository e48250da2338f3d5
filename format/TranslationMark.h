#pragma once

// Marks a text for Qt's translation tools in code that has no Qt: lupdate finds the texts by this name and
// records them under `scope`; whoever shows a text translates it there, with
// QCoreApplication::translate(scope, text). Defined exactly as Qt defines it, so both may meet in one file.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
