#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/basics/TPointerCollection.hpp"
#include "framework/host/CFileInformation.hpp"

namespace Corvane::Host
{
/**
 * The folder that holds @p file, with a final separator when @p withSeparator is set (the root
 * folder keeps its separator). False, leaving @p folder alone, when the path names no folder.
 */
bool getFolderOfFile(const Basics::CSystemString &file, Basics::CString &folder, bool withSeparator);

/**
 * The full path of the running executable (the target of /proc/self/exe). The one place that asks
 * the system; everything that needs the program's file or folder comes through here. False,
 * leaving @p path alone, when the system cannot name the executable.
 */
bool getApplicationFile(Basics::CString &path);

/**
 * The folder of the running executable, with a final separator when @p withSeparator is set.
 * False, leaving @p path alone, when the system cannot name the executable.
 */
bool getApplicationPath(Basics::CString &path, bool withSeparator);

/** True for an entry other than a folder that this process may open for reading. */
bool fileExists(const Basics::CSystemString &path);
bool fileExistsInFolder(const Basics::CSystemString &folder, const Basics::CString &name);
bool isFolder(const Basics::CSystemString &path);

/**
 * Whether the last name of @p path, the text after its last separator, has a file extension:
 * /out/my.txt has one; /reports/, /home/me/.cache/new and /data.d/new have none.
 */
bool hasFileNameExtension(const Basics::CSystemString &path);

/**
 * Creates one folder level. A path whose last name has a file extension is taken for a file and
 * refused without touching the disk.
 */
bool createFolder(const Basics::CSystemString &path);

/**
 * Copies the content of a regular file. False when @p from is missing or not a regular file (a
 * pipe would block the copy forever), when @p to exists and @p overwrite is not set, when both
 * name the same file (opening the target would empty the source), or when a transfer falls short.
 */
bool copyFile(const Basics::CSystemString &from, const Basics::CSystemString &to, bool overwrite);

/**
 * Appends one new entry for everything in @p folder except "." and "..", in the order the file
 * system gives them. When the folder cannot be read the list stays as it was and the log says why.
 */
void listFolder(Basics::TPointerCollection<CFileInformation> &list, const Basics::CSystemString &folder);

/**
 * Appends the name of every entry that matches @p pattern, folders excepted. The pattern is a
 * folder followed by a name with the shell's wildcards '*', '?' and '[...]'; a pattern without a
 * folder looks in the working folder.
 */
void listFiles(const Basics::CSystemString &pattern, Basics::TPointerCollection<Basics::CString> &names);

/** Folders first, each group by full path. */
void sortFileList(Basics::TPointerCollection<CFileInformation> &list);

/**
 * Copies the files of @p from into @p to, creating @p to when it does not exist; with @p recursive
 * its folders as well, at every depth. An existing @p to is left alone unless @p overwrite is set.
 * A folder is never copied into itself: the target inside the source, and any folder met again
 * through a link, are passed over, so the copy always ends. Pipes, devices and sockets hold no
 * content and are passed over as well. False at the first failure.
 */
bool copyFolder(const Basics::CSystemString &from, const Basics::CSystemString &to, bool overwrite,
                bool recursive);
} // namespace Corvane::Host
