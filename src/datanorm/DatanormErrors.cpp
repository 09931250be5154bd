#include "datanorm/DatanormErrors.h"

namespace velmora::datanorm {

ELoadfromFileExeption::ELoadfromFileExeption()
    : EDatanormError("Bitte nur Datanorm 4- oder 5-Dateien laden.") {}

EWarengruppensatzException::EWarengruppensatzException()
    : EDatanormError("Fehlerhafter Warengruppensatz!") {}

}  // namespace velmora::datanorm
