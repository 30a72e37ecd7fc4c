#pragma once

#include <QTextStream>

// Standard output and error of the command-line tool, UTF-8.
QTextStream &out();
QTextStream &err();

// Exit codes shared by every subcommand.
enum ToolExit { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };
