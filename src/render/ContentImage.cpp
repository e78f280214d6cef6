#include "render/ContentImage.h"

#include "data/ContentQuery.h"

bool ReadImageField(const CADORecordset& recordset, const std::string& field,
                    std::vector<unsigned char>& bytes) {
    bytes.clear();
    if (recordset.GetFieldActualSize(field) <= 0)
        return false;
    return recordset.GetChunk(field, bytes) && !bytes.empty();
}

bool ReadFirstRowImage(CADODatabase* connection, const SqlQuery& query, const std::string& field,
                       std::vector<unsigned char>& bytes) {
    bytes.clear();
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, connection, query))
        return false;
    const bool found = !recordset.IsEOF() && ReadImageField(recordset, field, bytes);
    recordset.Close();
    return found;
}
