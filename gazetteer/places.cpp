// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in gazetteer of Estonian places.
#include "gazetteer/places.h"

#include <algorithm>

namespace gazetteer {
namespace {

constexpr PlaceEntry place(std::string_view text, PlaceKind kind, std::int16_t latDeg,
                           std::string_view latMin, std::string_view latSec, std::int16_t lonDeg,
                           std::string_view lonMin, std::string_view lonSec, std::int16_t heightMetres)
{
    return {text, kind, PlaceValues{{latDeg, latMin, latSec}, {lonDeg, lonMin, lonSec}, heightMetres}};
}

constexpr PlaceEntry townHeading(std::string_view text)
{
    return {text, PlaceKind::TownHeading, std::nullopt};
}

using enum PlaceKind;

// A l e v i d
constexpr PlaceEntry kBoroughs[] = {
    place("Aegviidu", Borough, 59, "17", "20", 25, "36", "20", 70),
    place("Järvakandi", Borough, 58, "46", "36", 24, "48", "46", 51),
    place("Kohila", Borough, 59, "10", "02", 24, "45", "15", 56),
    place("Kohtla-Nõmme", Borough, 59, "21", "14", 27, "11", "34", 48),
    place("Lavassaare", Borough, 58, "30", "39", 24, "22", "28", 18),
    place("Märjamaa", Borough, 58, "54", "20", 24, "25", "45", 30),
    place("Pärnu-Jaagupi", Borough, 58, "36", "34", 24, "30", "09", 20),
    place("Tootsi", Borough, 58, "34", "56", 24, "47", "28", 30),
    place("Vändra", Borough, 58, "38", "59", 25, "02", "18", 30),
};

// L i n n a d
constexpr PlaceEntry kTowns[] = {
    place("Abja-Paluoja  {1993}", Town, 58, "07", "33", 25, "21", "31", 68),
    place("Antsla  {1938}", Town, 57, "49", "44", 26, "31", "42", 65),
    place("Elva  {1938}", Town, 58, "13", "30", 26, "25", "00", 50),
    place("Haapsalu  {1279}", Town, 58, "56", "22", 23, "32", "28", 4),
    place("Jõgeva  {1938}", Town, 58, "44", "43", 26, "23", "32", 75),
    place("Jõhvi  {1938}", Town, 59, "21", "23", 27, "24", "47", 52),
    place("Kallaste  {1938}", Town, 58, "39", "55", 27, "09", "44", 45),
    place("Karksi-Nuia  {1993}", Town, 58, "06", "00", 25, "32", "58", 70),
    place("Kehra  {1993}", Town, 59, "20", "12", 25, "19", "55", 48),
    place("Keila  {1938}", Town, 59, "18", "31", 24, "25", "26", 28),
    place("Kilingi-Nõmme  {1938}", Town, 58, "08", "55", 24, "57", "19", 50),
    place("Kiviõli  {1946}", Town, 59, "21", "11", 26, "58", "01", 48),
    place("Kohtla-Järve  {1946}", Town, 59, "24", "03", 27, "16", "56", 55),
    place("Kunda  {1938}", Town, 59, "29", "59", 26, "31", "37", 25),
    place("Kuressaare  {1563}", Town, 58, "15", "18", 22, "29", "32", 5),
    place("Kärdla  {1938}", Town, 58, "59", "48", 22, "44", "47", 5),
    place("Lihula  {1993}", Town, 58, "41", "10", 23, "50", "00", 15),
    place("Loksa  {1993}", Town, 59, "34", "45", 25, "43", "30", 3),
    townHeading("M a a r d u  {1980} :"),
    place("-- Muuga", District, 59, "28", "35", 24, "56", "22", 4),
    place("-- Kallavere", District, 59, "28", "46", 25, "00", "57", 4),
    place("Mustvee  {1938}", Town, 58, "50", "51", 26, "56", "52", 45),
    place("Mõisaküla  {1938}", Town, 58, "05", "32", 25, "10", "59", 75),
    place("Narva  {1345}", Town, 59, "22", "36", 28, "11", "32", 26),
    place("Narva-Jõesuu  {1993}", Town, 59, "27", "28", 28, "02", "16", 4),
    place("Otepää  {1936}", Town, 58, "03", "27", 26, "29", "41", 140),
    place("Paide  {1291}", Town, 58, "53", "13", 25, "33", "41", 60),
    place("Paldiski  {1783}", Town, 59, "21", "02", 24, "03", "30", 3),
    place("Põltsamaa  {1926}", Town, 58, "39", "19", 25, "58", "31", 55),
    place("Põlva  {1993}", Town, 58, "04", "01", 27, "04", "01", 50),
    townHeading("P ä r n u  {1318} :"),
    place("-- Ülejõe", District, 58, "23", "30", 24, "29", "43", 4),
    place("-- Raeküla", District, 58, "21", "15", 24, "34", "04", 2),
    place("Püssi  {1993}", Town, 59, "21", "34", 27, "02", "57", 33),
    place("Rakvere  {1302}", Town, 59, "20", "44", 26, "22", "05", 85),
    place("Rapla  {1993}", Town, 58, "59", "55", 24, "48", "27", 55),
    place("Räpina  {1993}", Town, 58, "05", "47", 27, "28", "02", 40),
    place("Saue  {1993}", Town, 59, "19", "10", 24, "33", "11", 30),
    place("Sillamäe  {1957}", Town, 59, "23", "32", 27, "46", "27", 8),
    place("Sindi  {1938}", Town, 58, "24", "03", 24, "39", "05", 8),
    place("Suure-Jaani  {1938}", Town, 58, "32", "07", 25, "27", "59", 60),
    townHeading("T a l l i n n  {1248} :"),
    place("-- Kesklinn", District, 59, "26", "00", 24, "44", "45", 6),
    place("-- Kopli", District, 59, "27", "15", 24, "41", "25", 4),
    place("-- Lasnamäe", District, 59, "26", "25", 24, "51", "05", 8),
    place("-- Merivälja", District, 59, "29", "20", 24, "51", "10", 3),
    place("-- Mustamäe", District, 59, "23", "51", 24, "40", "19", 12),
    place("-- Pääsküla", District, 59, "21", "51", 24, "37", "45", 14),
    place("-- Õismäe", District, 59, "25", "58", 24, "37", "15", 6),
    place("Tamsalu  {1996}", Town, 59, "09", "46", 26, "06", "24", 124),
    place("Tapa  {1926}", Town, 59, "15", "52", 25, "57", "47", 98),
    townHeading("T a r t u  {1262} :"),
    place("-- Annelinn", District, 58, "22", "29", 26, "44", "57", 55),
    place("-- Ihaste", District, 58, "20", "58", 26, "46", "56", 55),
    place("-- Ropka", District, 58, "21", "04", 26, "43", "06", 55),
    place("-- Tähtvere", District, 58, "22", "55", 26, "42", "09", 55),
    place("Türi  {1926}", Town, 58, "48", "28", 25, "26", "43", 60),
    place("Tõrva  {1926}", Town, 58, "00", "10", 25, "55", "20", 50),
    place("Valga  {1584}", Town, 57, "46", "31", 26, "03", "18", 50),
    place("Viljandi  {1283}", Town, 58, "22", "02", 25, "35", "51", 70),
    place("Võhma  {1993}", Town, 58, "37", "49", 25, "33", "25", 49),
    place("Võru  {1784}", Town, 57, "50", "27", 27, "00", "08", 68),
};

// Harjumaa
constexpr PlaceEntry kHarjumaa[] = {
    place("Ardu (Kõue v.)", Settlement, 59, "06", "05", 25, "21", "29", 76),
    place("Aruküla (Raasiku v.)", Settlement, 59, "21", "58", 25, "04", "25", 38),
    place("Haiba (Kernu v.)", Settlement, 59, "07", "42", 24, "28", "17", 50),
    place("Jõelähtme v.", Parish, 59, "26", "30", 25, "08", "09", 28),
    place("Jüri (Rae v.)", Settlement, 59, "21", "15", 24, "53", "52", 49),
    place("Kiili v.", Parish, 59, "18", "24", 24, "50", "05", 44),
    place("Kiiu (Kuusalu v.)", Settlement, 59, "26", "50", 25, "23", "05", 37),
    place("Kose v.", Parish, 59, "11", "00", 25, "10", "00", 50),
    place("Nissi v.", Parish, 59, "06", "10", 24, "18", "45", 49),
    place("Padise v.", Parish, 59, "13", "37", 24, "08", "26", 22),
    place("Saku v.", Parish, 59, "18", "00", 24, "40", "00", 34),
    place("Tabasalu (Harku v.)", Settlement, 59, "25", "37", 24, "32", "51", 25),
    place("Vasalemma v.", Parish, 59, "14", "26", 24, "17", "21", 25),
};

// Hiiumaa
constexpr PlaceEntry kHiiumaa[] = {
    place("Emmaste v.", Parish, 58, "42", "16", 22, "35", "42", 5),
    place("Hellamaa (Pühalepa v.)", Settlement, 58, "56", "26", 22, "55", "59", 3),
    place("Kõrgessaare v.", Parish, 58, "58", "31", 22, "29", "29", 3),
    place("Käina v.", Parish, 58, "49", "41", 22, "46", "37", 4),
};

// Ida-Virumaa
constexpr PlaceEntry kIdaVirumaa[] = {
    place("Alajõe v.", Parish, 59, "00", "43", 27, "25", "38", 35),
    place("Aseri v.", Parish, 59, "27", "09", 26, "52", "08", 15),
    place("Avinurme v.", Parish, 58, "59", "16", 26, "51", "00", 55),
    place("Iisaku v.", Parish, 59, "06", "05", 27, "18", "26", 50),
    place("Illuka v.", Parish, 59, "13", "37", 27, "30", "15", 55),
    place("Lohusuu v.", Parish, 58, "56", "50", 27, "02", "48", 28),
    place("Lüganuse v.", Parish, 59, "22", "22", 27, "02", "42", 26),
    place("Mäetaguse v.", Parish, 59, "13", "28", 27, "17", "35", 64),
    place("Savala (Maidla v.)", Settlement, 59, "19", "08", 27, "00", "35", 48),
    place("Sonda v.", Parish, 59, "20", "59", 26, "50", "00", 73),
    place("Toila v.", Parish, 59, "25", "12", 27, "30", "56", 23),
    place("Tudulinna v.", Parish, 59, "02", "11", 27, "05", "00", 40),
};

// Jõgevamaa
constexpr PlaceEntry kJogevamaa[] = {
    place("Kalana (Pajusi v.)", Settlement, 58, "43", "18", 26, "02", "57", 76),
    place("Pala v.", Parish, 58, "40", "22", 27, "00", "51", 68),
    place("Palamuse v.", Parish, 58, "41", "02", 26, "34", "55", 78),
    place("Puurmani v.", Parish, 58, "34", "32", 26, "17", "18", 74),
    place("Saare v.", Parish, 58, "42", "02", 26, "50", "51", 48),
    place("Tabivere v.", Parish, 58, "32", "59", 26, "35", "42", 55),
    place("Tiheda (Kasepää [Raja] v.)", Settlement, 58, "47", "40", 26, "57", "31", 35),
    place("Torma v.", Parish, 58, "49", "13", 26, "43", "39", 76),
};

// Järvamaa
constexpr PlaceEntry kJarvamaa[] = {
    place("Ambla v.", Parish, 59, "11", "30", 25, "50", "23", 95),
    place("Imavere v.", Parish, 58, "43", "57", 25, "46", "03", 60),
    place("Järva-Jaani v.", Parish, 59, "02", "26", 25, "52", "53", 98),
    place("Järva-Madise (Albu v.)", Settlement, 59, "07", "07", 25, "39", "42", 80),
    place("Kabala v.", Parish, 58, "41", "29", 25, "37", "50", 60),
    place("Koeru v.", Parish, 58, "57", "48", 26, "01", "42", 76),
    place("Koigi v.", Parish, 58, "50", "00", 25, "44", "58", 53),
    place("Lehtse v.", Parish, 59, "15", "09", 25, "49", "27", 85),
    place("Oisu v.", Parish, 58, "45", "29", 25, "34", "02", 60),
    place("Peetri (Kareda v.)", Settlement, 58, "56", "40", 25, "50", "00", 76),
    place("Roosna-Alliku v.", Parish, 59, "01", "42", 25, "42", "30", 75),
};

// Läänemaa
constexpr PlaceEntry kLaanemaa[] = {
    place("Hullo (Vormsi v.)", Settlement, 58, "59", "39", 23, "14", "26", 5),
    place("Kullamaa v.", Parish, 58, "52", "47", 24, "04", "40", 26),
    place("Kõmsi (Hanila v.)", Settlement, 58, "37", "17", 23, "37", "51", 10),
    place("Linnamäe (Oru v.)", Settlement, 58, "59", "39", 23, "42", "48", 10),
    place("Martna v.", Parish, 58, "51", "14", 23, "48", "02", 15),
    place("Nõva v.", Parish, 59, "13", "22", 23, "41", "34", 6),
    place("Pürksi (Noarootsi v.)", Settlement, 59, "00", "38", 23, "31", "19", 8),
    place("Risti v.", Parish, 58, "59", "57", 24, "03", "27", 32),
    place("Taebla v.", Parish, 58, "57", "20", 23, "44", "35", 15),
};

// Lääne-Virumaa
constexpr PlaceEntry kLaaneVirumaa[] = {
    place("Haljala v.", Parish, 59, "25", "55", 26, "16", "05", 75),
    place("Kadrina v.", Parish, 59, "20", "30", 26, "08", "08", 90),
    place("Laekvere v.", Parish, 59, "04", "02", 26, "33", "36", 126),
    place("Moe (Saksi v.)", Settlement, 59, "15", "14", 26, "01", "15", 95),
    place("Pajusti (Vinni v.)", Settlement, 59, "16", "56", 26, "24", "55", 100),
    place("Rakke v.", Parish, 58, "59", "15", 26, "14", "39", 99),
    place("Simuna (Avanduse v.)", Settlement, 59, "02", "45", 26, "24", "04", 110),
    place("Sõmeru v.", Parish, 59, "21", "37", 26, "26", "05", 74),
    place("Ulvi (Rägavere v.)", Settlement, 59, "19", "30", 26, "38", "00", 75),
    place("Viru-Nigula v.", Parish, 59, "26", "45", 26, "41", "30", 35),
    place("Võsu (Vihula v.)", Settlement, 59, "34", "31", 25, "57", "45", 3),
    place("Väike-Maarja v.", Parish, 59, "07", "42", 26, "15", "09", 113),
};

// Põlvamaa
constexpr PlaceEntry kPolvamaa[] = {
    place("Ahja v.", Parish, 58, "12", "24", 27, "04", "29", 50),
    place("Kanepi v.", Parish, 57, "59", "06", 26, "45", "40", 110),
    place("Krootuse (Kõlleste v.)", Settlement, 58, "04", "20", 26, "50", "00", 75),
    place("Mikitamäe v.", Parish, 58, "00", "15", 27, "32", "30", 35),
    place("Mooste v.", Parish, 58, "09", "19", 27, "10", "55", 50),
    place("Orava v.", Parish, 57, "53", "10", 27, "27", "29", 65),
    place("Saverna (Valgjärve v.)", Settlement, 58, "03", "58", 26, "43", "51", 145),
    place("Suurküla (Laheda v.)", Settlement, 57, "56", "50", 27, "00", "36", 60),
    place("Vastse-Kuuse v.", Parish, 58, "10", "12", 26, "56", "10", 70),
    place("Veriora v.", Parish, 58, "00", "15", 27, "20", "41", 50),
    place("Värska v.", Parish, 57, "57", "29", 27, "37", "51", 40),
};

// Pärnumaa
constexpr PlaceEntry kParnumaa[] = {
    place("Are v.", Parish, 58, "31", "06", 24, "33", "55", 20),
    place("Audru v.", Parish, 58, "24", "33", 24, "21", "28", 6),
    place("Häädemeeste v.", Parish, 58, "04", "48", 24, "29", "54", 4),
    place("Kaisma v.", Parish, 58, "40", "56", 24, "46", "05", 49),
    place("Koonga v.", Parish, 58, "34", "56", 24, "09", "05", 25),
    place("Linaküla (Kihnu v.)", Settlement, 58, "08", "06", 23, "59", "05", 3),
    place("Paikuse v.", Parish, 58, "22", "30", 24, "37", "18", 6),
    place("Sauga v.", Parish, 58, "25", "51", 24, "30", "00", 6),
    place("Surju v.", Parish, 58, "14", "06", 24, "42", "45", 13),
    place("Tali v.", Parish, 58, "03", "43", 24, "46", "48", 50),
    place("Tõstamaa v.", Parish, 58, "20", "10", 23, "59", "28", 8),
    place("Uulu (Tahkuranna v.)", Settlement, 58, "16", "46", 24, "34", "35", 6),
    place("Varbla v.", Parish, 58, "25", "47", 23, "45", "05", 28),
};

// Raplamaa
constexpr PlaceEntry kRaplamaa[] = {
    place("Juuru v.", Parish, 59, "03", "27", 24, "57", "35", 68),
    place("Kaiu v.", Parish, 59, "00", "53", 25, "03", "08", 76),
    place("Kehtna v.", Parish, 58, "55", "27", 24, "52", "27", 62),
    place("Kivi-Vigala (Vigala v.)", Settlement, 58, "42", "48", 24, "21", "58", 22),
    place("Käru v.", Parish, 58, "49", "52", 25, "08", "23", 53),
    place("Sipa (Loodna v.)", Settlement, 58, "54", "43", 24, "17", "48", 55),
    place("Tamme (Raikküla v.)", Settlement, 58, "55", "42", 24, "39", "00", 45),
};

// Saaremaa
constexpr PlaceEntry kSaaremaa[] = {
    place("Iide (Torgu v.)", Settlement, 57, "58", "36", 22, "04", "31", 20),
    place("Kihelkonna v.", Parish, 58, "21", "43", 22, "02", "26", 22),
    place("Kärla v.", Parish, 58, "20", "01", 22, "15", "24", 18),
    place("Laimjala v.", Parish, 58, "25", "35", 23, "00", "00", 6),
    place("Leisi v.", Parish, 58, "34", "18", 22, "41", "00", 2),
    place("Liiva (Muhu v.)", Settlement, 58, "36", "19", 23, "13", "42", 10),
    place("Lümanda v.", Parish, 58, "17", "12", 22, "01", "27", 18),
    place("Mustjala v.", Parish, 58, "27", "42", 22, "14", "10", 13),
    place("Orissaare v.", Parish, 58, "33", "25", 23, "05", "05", 2),
    place("Pihtla v.", Parish, 58, "18", "06", 22, "42", "21", 6),
    place("Ruhnu v.", Parish, 57, "48", "08", 23, "14", "33", 2),
    place("Salme v.", Parish, 58, "09", "48", 22, "14", "52", 2),
    place("Tornimäe (Pöide v.)", Settlement, 58, "30", "15", 23, "06", "46", 4),
    place("Valjala v.", Parish, 58, "24", "35", 22, "47", "35", 11),
};

// Tartumaa
constexpr PlaceEntry kTartumaa[] = {
    place("Alatskivi v.", Parish, 58, "36", "00", 27, "08", "00", 48),
    place("Annikoru (Konguta v.)", Settlement, 58, "16", "02", 26, "18", "18", 50),
    place("Ilmatsalu (Tähtvere v.)", Settlement, 58, "23", "29", 26, "33", "18", 46),
    place("Kambja v.", Parish, 58, "14", "06", 26, "41", "40", 78),
    place("Kolkja (Peipsiääre v.)", Settlement, 58, "32", "59", 27, "12", "51", 30),
    place("Kurepalu (Haaslava v.)", Settlement, 58, "18", "58", 26, "50", "00", 45),
    place("Kõrveküla (Tartu v.)", Settlement, 58, "25", "22", 26, "46", "13", 50),
    place("Laeva v.", Parish, 58, "29", "13", 26, "22", "55", 45),
    place("Luunja v.", Parish, 58, "21", "35", 26, "52", "53", 45),
    place("Meeksi v.", Parish, 58, "13", "03", 27, "26", "10", 30),
    place("Nõo v.", Parish, 58, "16", "41", 26, "32", "12", 55),
    place("Piiri (Piirissaare v.)", Settlement, 58, "22", "50", 27, "31", "08", 28),
    place("Poka (Mäksa v.)", Settlement, 58, "19", "03", 26, "57", "54", 48),
    place("Puhja v.", Parish, 58, "20", "16", 26, "18", "40", 52),
    place("Rõngu v.", Parish, 58, "08", "45", 26, "14", "52", 73),
    place("Vallapalu (Rannu v.)", Settlement, 58, "15", "09", 26, "10", "36", 42),
    place("Vara v.", Parish, 58, "30", "38", 26, "53", "23", 49),
    place("Võnnu v.", Parish, 58, "17", "00", 27, "02", "58", 50),
    place("Ülenurme v.", Parish, 58, "18", "53", 26, "43", "16", 50),
};

// Valgamaa
constexpr PlaceEntry kValgamaa[] = {
    place("Hellenurme (Palupera v.)", Settlement, 58, "08", "06", 26, "22", "53", 70),
    place("Hummuli v.", Parish, 57, "54", "24", 26, "03", "15", 50),
    place("Laanemetsa (Taheva v.)", Settlement, 57, "38", "49", 26, "18", "51", 68),
    place("Laatre (Tõlliste v.)", Settlement, 57, "52", "07", 26, "14", "59", 51),
    place("Lüllemäe (Karula v.)", Settlement, 57, "44", "59", 26, "22", "15", 100),
    place("Puka v.", Parish, 58, "03", "14", 26, "13", "51", 74),
    place("Riidaja (Põdrala v.)", Settlement, 58, "05", "42", 25, "53", "53", 76),
    place("Sangaste v.", Parish, 57, "55", "33", 26, "19", "44", 25),
    place("Õru v.", Parish, 57, "55", "32", 26, "10", "36", 55),
};

// Viljandimaa
constexpr PlaceEntry kViljandimaa[] = {
    place("Halliste v.", Parish, 58, "09", "52", 25, "26", "24", 75),
    place("Kolga-Jaani v.", Parish, 58, "32", "03", 25, "56", "19", 48),
    place("Kõo v.", Parish, 58, "37", "52", 25, "43", "41", 50),
    place("Kõpu v.", Parish, 58, "19", "37", 25, "18", "23", 52),
    place("Mustla (Tarvastu v.)", Settlement, 58, "14", "06", 25, "51", "45", 50),
    place("Olustvere v.", Parish, 58, "33", "14", 25, "33", "42", 55),
    place("Paistu v.", Parish, 58, "16", "15", 25, "37", "33", 99),
    place("Saarepeedi v.", Parish, 58, "25", "56", 25, "41", "05", 55),
    place("Vastemõisa v.", Parish, 58, "26", "30", 25, "26", "40", 62),
};

// Võrumaa
constexpr PlaceEntry kVorumaa[] = {
    place("Haanja v.", Parish, 57, "43", "08", 27, "03", "10", 290),
    place("Järvere (Sõmerpalu v.)", Settlement, 57, "51", "04", 26, "52", "06", 80),
    place("Kuldre (Urvaste v.)", Settlement, 57, "53", "33", 26, "29", "51", 74),
    place("Lasva v.", Parish, 57, "51", "43", 27, "10", "43", 70),
    place("Meremäe v.", Parish, 57, "44", "52", 27, "27", "27", 126),
    place("Misso v.", Parish, 57, "36", "10", 27, "13", "35", 198),
    place("Mõniste v.", Parish, 57, "36", "45", 26, "36", "32", 70),
    place("Rõuge v.", Parish, 57, "43", "42", 26, "54", "57", 120),
    place("Varstu v.", Parish, 57, "38", "40", 26, "39", "36", 68),
    place("Vastseliina v.", Parish, 57, "43", "56", 27, "16", "42", 123),
};

constexpr RegionEntry kRegions[kRegionCount] = {
    {"A l e v i d", RegionKind::BoroughGroup, "    >A l e v i d<", " Vali alev koordinaatidega ", kBoroughs},
    {"L i n n a d", RegionKind::TownGroup, "    >L i n n a d<", " Vali linn/linnaosa koordinaatidega ",
     kTowns},
    {"", RegionKind::Separator, "         ^ Vali piirkond ^", "", {}},
    {"Harjumaa", RegionKind::County, "    >Harjumaa<", " Vali asula koordinaatidega ", kHarjumaa},
    {"Hiiumaa", RegionKind::County, "    >Hiiumaa<", " Vali asula koordinaatidega ", kHiiumaa},
    {"Ida-Virumaa", RegionKind::County, "    >Ida-Virumaa<", " Vali asula koordinaatidega ", kIdaVirumaa},
    {"Jõgevamaa", RegionKind::County, "    >Jõgevamaa<", " Vali asula koordinaatidega ", kJogevamaa},
    {"Järvamaa", RegionKind::County, "    >Järvamaa<", " Vali asula koordinaatidega ", kJarvamaa},
    {"Läänemaa", RegionKind::County, "    >Läänemaa<", " Vali asula koordinaatidega ", kLaanemaa},
    {"Lääne-Virumaa", RegionKind::County, "    >Lääne-Virumaa<", " Vali asula koordinaatidega ",
     kLaaneVirumaa},
    {"Põlvamaa", RegionKind::County, "    >Põlvamaa<", " Vali asula koordinaatidega ", kPolvamaa},
    {"Pärnumaa", RegionKind::County, "    >Pärnumaa<", " Vali asula koordinaatidega ", kParnumaa},
    {"Raplamaa", RegionKind::County, "    >Raplamaa<", " Vali asula koordinaatidega ", kRaplamaa},
    {"Saaremaa", RegionKind::County, "    >Saaremaa<", " Vali asula koordinaatidega ", kSaaremaa},
    {"Tartumaa", RegionKind::County, "    >Tartumaa<", " Vali asula koordinaatidega ", kTartumaa},
    {"Valgamaa", RegionKind::County, "    >Valgamaa<", " Vali asula koordinaatidega ", kValgamaa},
    {"Viljandimaa", RegionKind::County, "    >Viljandimaa<", " Vali asula koordinaatidega ", kViljandimaa},
    {"Võrumaa", RegionKind::County, "    >Võrumaa<", " Vali asula koordinaatidega ", kVorumaa},
};

}  // namespace

std::span<const RegionEntry, kRegionCount> regions() { return kRegions; }

std::array<std::string_view, kRegionCount> regionTexts()
{
    std::array<std::string_view, kRegionCount> texts;
    std::ranges::transform(kRegions, texts.begin(), &RegionEntry::text);
    return texts;
}

std::optional<RegionEntry> findRegion(std::string_view regionText)
{
    const auto it = std::ranges::find(kRegions, regionText, &RegionEntry::text);
    if (it == std::ranges::end(kRegions))
        return std::nullopt;
    return *it;
}

std::optional<PlaceEntry> findPlace(std::string_view listText)
{
    for (const RegionEntry &region : kRegions) {
        const auto it = std::ranges::find(region.entries, listText, &PlaceEntry::listText);
        if (it != region.entries.end())
            return *it;
    }
    return std::nullopt;
}

std::optional<RegionEntry> regionOfPlace(std::string_view listText)
{
    for (const RegionEntry &region : kRegions)
        if (std::ranges::find(region.entries, listText, &PlaceEntry::listText) != region.entries.end())
            return region;
    return std::nullopt;
}

namespace {

// The list text without its population in braces and the blanks around it.
std::string bareName(std::string_view text)
{
    text = text.substr(0, text.find('{'));
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string placeName(std::string_view listText)
{
    const auto region = regionOfPlace(listText);
    if (!region)
        return std::string(listText);
    std::string town;
    for (const PlaceEntry &entry : region->entries) {
        if (entry.kind == PlaceKind::TownHeading) {
            // "T a l l i n n" is written with its letters spaced.
            town = bareName(entry.listText);
            std::erase(town, ' ');
        }
        if (entry.listText == listText)
            return entry.kind == PlaceKind::District ? town + ", " + bareName(listText.substr(2))
                                                     : bareName(listText);
    }
    return std::string(listText);
}

std::string_view placeListTooltip(std::string_view regionText)
{
    const auto region = findRegion(regionText);
    if (region && (region->kind == RegionKind::BoroughGroup || region->kind == RegionKind::TownGroup))
        return region->tooltip;
    return std::ranges::find(kRegions, RegionKind::County, &RegionEntry::kind)->tooltip;
}

}  // namespace gazetteer
