#pragma once
#include "data/mkdataset.h"

#include <QString>

// Reads the rows of a statement through SQLDATA. A refused read or a missing connection is shown
// through the prompt (the statement, a line break and the server's text) and yields false with
// the dataset empty.
bool ReadRows(const QString &sql, TMKDATASET &dataset);
