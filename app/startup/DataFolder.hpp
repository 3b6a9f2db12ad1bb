#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::Orvo
{
/**
 * The calculator's data folder: the one that holds its Resources folder (with Background.png)
 * and its window icon Orvo.png. A program run where it was built finds them beside itself; an
 * installed one, in PREFIX/bin, finds them in PREFIX/share/orvo (getInstalledDataFolder from its
 * folder). The first of the two that holds Resources/Background.png wins; when neither does,
 * @p programFolder itself is answered, so that the missing picture is reported where a program
 * looks first.
 */
Basics::CSystemString findDataFolder(const Basics::CSystemString &programFolder);

/** Where the installed data folder lies from the installed program's folder: "../share/orvo" usually. */
const char *getInstalledDataFolder();
} // namespace Corvane::Orvo
