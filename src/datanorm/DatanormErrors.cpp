#include "datanorm/DatanormErrors.h"

namespace velmora::datanorm {

ELoadfromFileExeption::ELoadfromFileExeption()
    : EDatanormError("Bitte nur Datanorm 4- oder 5-Dateien laden.") {}

EDatanormBeschaedigt::EDatanormBeschaedigt(const std::string& Datei)
    : EDatanormError("Die Datei \"" + Datei + "\" ist keine DATANORM-Datei oder beschädigt.") {}

EWarengruppensatzException::EWarengruppensatzException()
    : EDatanormError("Fehlerhafter Warengruppensatz!") {}

}  // namespace velmora::datanorm
