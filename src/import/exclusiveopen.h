#pragma once

#include <QString>

namespace import {

// Whether no other process holds the file open, so the weighbridge program has finished
// writing it. A write lease is granted only then; where leases are not available (a file of
// another user, a file system without them) the open descriptors of the machine's processes
// are looked through instead.
bool isFileFree(const QString &path);

} // namespace import
