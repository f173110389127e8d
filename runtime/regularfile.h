// Opening a file that must be a regular file, without ever waiting: a named pipe would
// block an open (or the first read) until its other end appears, a device might never
// answer and a folder holds no bytes. Every file reader of the program opens through here.
#pragma once

// Opens path with flags (O_RDONLY, O_WRONLY or O_RDWR, and O_APPEND where wanted; never
// O_CREAT or O_TRUNC, which would act before the check). Returns a blocking descriptor
// (close-on-exec) when path is a regular file, or a symbolic link to one; otherwise -1
// with errno set, and *pNotRegular (when given) true when the file exists but is no
// regular file.
int mclOpenRegularFile(const char* path, int flags, bool* pNotRegular = nullptr);
