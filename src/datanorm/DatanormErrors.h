#pragma once

#include <stdexcept>
#include <string>

namespace velmora::datanorm {

// Every failure that ends a DATANORM load; what() is the text shown to the user.
class EDatanormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The article file cannot be opened or read.
class EDatanormFileError : public EDatanormError {
public:
    using EDatanormError::EDatanormError;
};

// The file is neither DATANORM 4 nor DATANORM 5.
class ELoadfromFileExeption : public EDatanormError {
public:
    ELoadfromFileExeption();
};

// The article file holds lines that no DATANORM file has (random or zeroed bytes, another
// kind of file under the name).
class EDatanormBeschaedigt : public EDatanormError {
public:
    explicit EDatanormBeschaedigt(const std::string& Datei);
};

// The product-group side file is malformed; the whole load fails with it.
class EWarengruppensatzException : public EDatanormError {
public:
    EWarengruppensatzException();
};

}  // namespace velmora::datanorm
