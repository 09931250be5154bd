#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datanorm/DatanormRecords.h"

namespace velmora::datanorm {

// A product group ("S"); an empty Warengruppe marks a main group.
class TWarengruppensatz : public TDatanormbasis {
public:
    explicit TWarengruppensatz(const TDatanorm* parent = nullptr) : TDatanormbasis("S", parent) {}

    std::string Hauptwarengruppe;
    std::string Warengruppe;
    std::string Bezeichnung;
};

// The product groups of a delivery, with the side file's lines as read.
class THauptwarengruppensatz {
public:
    TVorlaufsatz Vorlaufsatz;
    std::vector<std::unique_ptr<TWarengruppensatz>> Hauptwarengruppensaetze;
    TDateiendesatz Dateiendesatz;
    std::vector<std::string> Warengruppenliste;
};

// A discount group ("R"); Rabatt is the value scaled by its kind.
class TRabattgruppensatz : public TDatanormbasis {
public:
    explicit TRabattgruppensatz(const TDatanorm* parent = nullptr) : TDatanormbasis("R", parent) {}

    std::string Rabattgruppe;
    std::int32_t Rabattkennzeichen = 0;
    double Rabatt = 0.0;
    std::string Rabattgruppenbezeichnung;
    std::vector<std::string> Rabattgruppenliste;
};

}  // namespace velmora::datanorm
