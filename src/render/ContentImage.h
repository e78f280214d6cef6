#pragma once

#include "data/CADORecordset.h"

#include <string>
#include <vector>

class CADODatabase;

// Picture bytes from the word database: every image column holds a whole BMP file.

// Reads the image column of the current row; true when it holds any bytes.
bool ReadImageField(const CADORecordset& recordset, const std::string& field,
                    std::vector<unsigned char>& bytes);

// Runs the query and reads the image column of its first row; true when there was a row with a
// non-empty image. A query that does not open is logged as every content reader does.
bool ReadFirstRowImage(CADODatabase* connection, const SqlQuery& query, const std::string& field,
                       std::vector<unsigned char>& bytes);
