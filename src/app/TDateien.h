#pragma once

#include <string>

namespace velmora {

// The names of the six catalogue files, relative to the program directory.
class TDateien {
public:
    const std::string& getDatanorm() const { return Datanorm; }
    const std::string& getProdukte() const { return Produkte; }
    const std::string& getAufstellvarianten() const { return Aufstellvarianten; }
    const std::string& getZubehoer() const { return Zubehoer; }
    const std::string& getWarengruppe() const { return Warengruppe; }
    const std::string& getSettings() const { return Settings; }

private:
    std::string Datanorm = "Datanorm.500";
    std::string Produkte = "produkte.dta";
    std::string Aufstellvarianten = "aufstellvarianten.dta";
    std::string Zubehoer = "zubehoer.dta";
    std::string Warengruppe = "wg.dta";
    std::string Settings = "settings.dta";
};

}  // namespace velmora
