#pragma once

// The built-in national dictionary: items in definition order, events, the two
// generations of national code sets and the DD numbers the link does not process.

#include "dictionary/DictionaryTable.h"

#include <cstdint>

namespace modNational::NationalTables {

using DictionaryTable::CodeDef;
using DictionaryTable::CodeSetDef;
using DictionaryTable::EventDef;
using DictionaryTable::ItemDef;

// clang-format off
inline constexpr ItemDef kItems[] = {
    {900024, 0, 6, 0},
    {900025, 0, 15, 0},
    {900028, 1, 8, 0},
    {900030, 1, 8, 0},
    {900031, 0, 4, 2},
    {900032, 1, 8, 0},
    {900034, 1, 8, 0},
    {900035, 0, 2, 0},
    {900038, 1, 8, 0},
    {900039, 1, 8, 0},
    {900040, 0, 4, 0},
    {900042, 0, 3, 1},
    {900044, 1, 8, 0},
    {900045, 3, 24, 0},
    {900046, 3, 1, 0},
    {900053, 1, 8, 0},
    {900054, 1, 8, 0},
    {900059, 1, 8, 0},
    {900068, 0, 4, 0},
    {900070, 0, 6, 0},
    {900073, 0, 6, 2},
    {900075, 0, 6, 2},
    {900076, 0, 16, 0},
    {900077, 0, 4, 2},
    {900078, 2, 6, 0},
    {900079, 2, 6, 0},
    {900080, 3, 16, 0},
    {900082, 3, 8, 0},
    {900083, 3, 16, 0},
    {900087, 0, 5, 0},
    {900091, 3, 5, 0},
    {900094, 0, 2, 0},
    {900096, 3, 5, 0},
    {351402, 1, 8, 0},
    {351449, 2, 6, 0},
    {50011, 3, 8, 0},
    {50039, 2, 6, 0},
    {50040, 1, 8, 0},
    {50041, 0, 3, 2},
    {50046, 3, 1, 0},
    {50052, 0, 2, 0},
    {50070, 0, 6, 0},
    {50081, 3, 8, 0},
    {50082, 0, 3, 0},
    {50083, 0, 3, 0},
    {50084, 0, 3, 0},
    {50085, 3, 16, 0},
    {50086, 0, 6, 0},
    {50087, 3, 16, 0},
    {50088, 0, 3, 0},
    {50151, 0, 2, 0},
    {50171, 0, 3, 1},
    {50172, 0, 3, 1},
    {50178, 0, 3, 1},
    {50181, 3, 8, 0},
    {50182, 3, 8, 0},
    {50183, 3, 8, 0},
    {50184, 3, 8, 0},
    {50185, 0, 3, 0},
    {50186, 0, 3, 0},
    {50187, 0, 3, 0},
    {50134, 1, 8, 0},
    {50135, 1, 8, 0},
    {50138, 1, 8, 0},
    {50139, 1, 8, 0},
    {50201, 1, 8, 0},
    {50202, 0, 3, 0},
    {50203, 3, 5, 0},
    {50301, 1, 8, 0},
    {50302, 1, 8, 0},
    {50303, 0, 6, 0},
    {50305, 0, 2, 0},
    {50308, 0, 2, 0},
    {50322, 0, 2, 0},
    {50331, 1, 8, 0},
    {50501, 0, 6, 0},
    {50502, 0, 2, 0},
    {50503, 0, 4, 0},
    {50504, 0, 4, 0},
    {50505, 0, 3, 1},
    {50506, 0, 1, 0},
    {50507, 0, 3, 0},
    {50508, 0, 5, 0},
    {50509, 0, 7, 2},
    {50510, 0, 7, 2},
    {50511, 0, 4, 0},
    {50512, 0, 7, 1},
    {50513, 0, 7, 2},
    {50514, 0, 7, 2},
    {50515, 0, 4, 0},
    {50520, 0, 3, 0},
    {50521, 0, 3, 0},
    {50522, 0, 3, 0},
    {50523, 0, 3, 0},
    {50524, 0, 3, 0},
    {50525, 0, 3, 0},
    {50526, 0, 3, 0},
    {50527, 0, 3, 0},
    {50528, 0, 3, 0},
    {50529, 0, 3, 0},
    {50531, 0, 7, 0},
    {50532, 0, 9, 1},
    {50533, 0, 9, 2},
    {50534, 0, 9, 2},
    {50541, 0, 2, 0},
    {50542, 1, 8, 0},
};

inline constexpr std::int32_t kKeys055021[] = {900080};
inline constexpr std::int32_t kItems055021[] = {900080, 900070, 900053, 900046, 900083, 50322, 50084};
inline constexpr std::int32_t kKeys055022[] = {900080};
inline constexpr std::int32_t kItems055022[] = {900080, 900070, 900046, 50084, 900053, 900035, 900045, 900034, 50181};
inline constexpr std::int32_t kKeys055025[] = {900080};
inline constexpr std::int32_t kItems055025[] = {900080, 900070, 900038, 50185, 50186, 50187, 50182};
inline constexpr std::int32_t kKeys055026[] = {900080};
inline constexpr std::int32_t kItems055026[] = {900080, 900070, 50138, 50183};
inline constexpr std::int32_t kKeys055023[] = {900080};
inline constexpr std::int32_t kItems055023[] = {900080, 900070, 50134, 50184};
inline constexpr std::int32_t kKeys055027[] = {900080};
inline constexpr std::int32_t kItems055027[] = {900080, 900070, 50139, 900046, 50184};
inline constexpr std::int32_t kKeys055024[] = {900080};
inline constexpr std::int32_t kItems055024[] = {900080, 900070, 50135, 50183};
inline constexpr std::int32_t kKeys055031[] = {900080, 900030};
inline constexpr std::int32_t kItems055031[] = {900080, 900070, 900030, 50308, 50085, 900096};
inline constexpr std::int32_t kKeys055032[] = {900080};
inline constexpr std::int32_t kItems055032[] = {900080, 900070, 50301, 50302, 900076, 50082, 50086};
inline constexpr std::int32_t kKeys055033[] = {900080, 900059};
inline constexpr std::int32_t kItems055033[] = {900080, 900070, 900059, 50305, 900091};
inline constexpr std::int32_t kKeys055034[] = {900080};
inline constexpr std::int32_t kItems055034[] = {900080, 900070, 900044};
inline constexpr std::int32_t kKeys055035[] = {900080, 50201};
inline constexpr std::int32_t kItems055035[] = {900080, 900070, 50201, 50202, 50203};
inline constexpr std::int32_t kKeys055036[] = {900080, 900035};
inline constexpr std::int32_t kItems055036[] = {900080, 900070, 900028, 900035, 50052, 50070, 50046, 50322, 50088};
inline constexpr std::int32_t kKeys055042[] = {900080};
inline constexpr std::int32_t kItems055042[] = {900080, 900070, 900054, 900078, 50178, 900068, 900024, 900025};
inline constexpr std::int32_t kKeys055043[] = {900080, 900054, 900078};
inline constexpr std::int32_t kItems055043[] = {900080, 900070, 900054, 900078, 900079, 900042, 900068, 900024, 900025, 50151};
inline constexpr std::int32_t kKeys055050[] = {900080, 900039, 50039};
inline constexpr std::int32_t kItems055050[] = {900080, 900070, 900039, 50039, 900040};
inline constexpr std::int32_t kKeys055051[] = {900080, 50040};
inline constexpr std::int32_t kItems055051[] = {900080, 900070, 50040, 50041};
inline constexpr std::int32_t kKeys055501[] = {900080};
inline constexpr std::int32_t kItems055501[] = {900080, 900070, 900046, 50084, 900053, 900045, 50011, 900034, 50081, 900083, 50083, 900082, 50082, 50087, 900035, 900028, 900030, 50305, 900059, 900094, 900044, 50331};
inline constexpr std::int32_t kKeys055502[] = {900080};
inline constexpr std::int32_t kItems055502[] = {900080, 900070, 50011, 900032, 50501, 50502, 50171, 900077, 900031, 50504, 50503, 50505, 50506, 50507, 50508, 50509, 50510, 50541, 50542, 900087, 900075, 900073};
inline constexpr std::int32_t kItems055503[] = {50011, 900032, 50501, 50511, 50512, 50513, 50514, 50515, 50520, 50521, 50522, 50523, 50524, 50525, 50526, 50527, 50528, 50529, 50531, 50532, 50533, 50534};
inline constexpr std::int32_t kKeys055504[] = {900070};
inline constexpr std::int32_t kItems055504[] = {900070, 900080, 900046};
inline constexpr EventDef kEvents[] = {
    {55021, kKeys055021, kItems055021},
    {55022, kKeys055022, kItems055022},
    {55025, kKeys055025, kItems055025},
    {55026, kKeys055026, kItems055026},
    {55023, kKeys055023, kItems055023},
    {55027, kKeys055027, kItems055027},
    {55024, kKeys055024, kItems055024},
    {55031, kKeys055031, kItems055031},
    {55032, kKeys055032, kItems055032},
    {55033, kKeys055033, kItems055033},
    {55034, kKeys055034, kItems055034},
    {55035, kKeys055035, kItems055035},
    {55036, kKeys055036, kItems055036},
    {55042, kKeys055042, kItems055042},
    {55043, kKeys055043, kItems055043},
    {55050, kKeys055050, kItems055050},
    {55051, kKeys055051, kItems055051},
    {55501, kKeys055501, kItems055501},
    {55502, kKeys055502, kItems055502},
    {55503, {}, kItems055503},
    {55504, kKeys055504, kItems055504},
};

inline constexpr CodeDef kCodes050052Before20[] = {
    {1, "1", "1 Normal förlossning"},
    {2, "2", "2 Svår förlossning"},
    {3, "3", "3 Felläge"},
    {4, "4", "4 Uppgift saknas"},
    {8, "8", "8 Kastning (<215 dagar)"},
    {9, "9", "9 Tidig kalvning (215-240 dagar)"},
};
inline constexpr CodeDef kCodes050082Before20[] = {
    {1, "01", "01 SRB"},
    {2, "02", "02 SLB"},
    {3, "03", "03 SKB"},
    {4, "04", "04 SJB"},
    {5, "05", "05 SAB"},
    {6, "06", "06 RB"},
    {7, "07", "07 MB"},
    {8, "08", "08 Hereford"},
    {9, "09", "09 Charolais"},
    {11, "11", "11 Aberdeen Angus"},
    {12, "12", "12 Limousin"},
    {13, "13", "13 Schweizisk Brun Boskap"},
    {14, "14", "14 Simmental"},
    {15, "15", "15 Polled Hereford"},
    {16, "16", "16 Highland Cattle"},
    {18, "18", "18 Blond de Aquitaine"},
    {19, "19", "19 Dexter"},
    {21, "21", "21 Tiroler Grauvieh"},
    {22, "22", "22 Piemontese"},
    {23, "23", "23 Belgisk vit och blå"},
    {24, "24", "24 Gelbvieh"},
    {25, "25", "25 Chianina"},
    {26, "26", "26 South Devon"},
    {31, "31", "31 Brown Swiss"},
    {40, "40", "40 Rödkulla"},
    {41, "41", "41 Fjällko"},
    {42, "42", "42 Väneko"},
    {43, "43", "43 Bohuskulla"},
    {44, "44", "44 Ringemålako"},
    {50, "50", "50 Telemarkfe"},
    {51, "51", "51 Vesterlandsk fjordfe"},
    {52, "52", "52 Dolafe"},
    {99, "99", "99 Korsning/övriga raser"},
};
inline constexpr CodeDef kCodes050185Before20[] = {
    {1, "01", "01 Såld till liv"},
    {2, "02", "02 Nedsatt fruktsamhet"},
    {3, "03", "03 Ej dräktig"},
    {4, "04", "04 Mastit"},
    {5, "05", "05 Spenskada"},
    {6, "06", "06 Förlossningssvårigheter"},
    {7, "07", "07 Kalvningsförlamning"},
    {8, "08", "08 Klövsjukdom"},
    {9, "09", "09 Benlidande"},
    {10, "10", "10 Svårmjölkad"},
    {11, "11", "11 Kastning"},
    {12, "12", "12 Hög ålder"},
    {13, "13", "13 Låg avkastning"},
    {14, "14", "14 Lynnesfel"},
    {15, "15", "15 Olycksfall"},
    {16, "16", "16 Foderleda"},
    {17, "17", "17 Annan sjukdom"},
    {31, "31", "31 Missbildning i spenar/juver"},
    {32, "32", "32 Såld till slakt"},
    {33, "33", "33 Leukos"},
    {34, "34", "34 BVD kroniker"},
    {35, "35", "35 Hög cellhalt"},
    {46, "46", "46 Hemslakt"},
    {47, "47", "47 Avlivning/självdöd destruerad"},
    {48, "48", "48 Avlivning/självdöd ej destruerad"},
    {50, "50", "50 Övrig utgångsorsak"},
    {61, "61", "61 Såld till liv, handjur"},
    {62, "62", "62 Slakt/slaktdjur, handjur"},
    {66, "66", "66 Handjur hemslakt"},
    {67, "67", "67 Handjur avlivning/självdöd destruerad"},
    {68, "68", "68 Handjur avlivning/självdöd ej destruerad"},
};
inline constexpr CodeDef kCodes050305Before20[] = {
    {1, "01", "01 Undersökt, Ej dräktig"},
    {2, "02", "02 Undersökt, Dräktig"},
    {21, "21", "21 Ej undersökt, Ej dräktig"},
    {22, "22", "22 Ej undersökt, Dräktig"},
};
inline constexpr CodeDef kCodes050308Before20[] = {
    {1, "1", "1 Mycket svaga"},
    {2, "2", "2 Svaga"},
    {3, "3", "3 Tydliga"},
    {4, "4", "4 Starka"},
    {5, "5", "5 Mycket starka"},
};
inline constexpr CodeDef kCodes050322Before20[] = {
    {1, "1", "1 Avsedd för Mjölkprod/avel"},
    {2, "2", "2 Slaktdjur / Köttprod. djur"},
    {3, "3", "3 Missbildad"},
    {6, "6", "6 Dödfödd eller självdöd första dygn"},
    {7, "7", "7 Självdöd ej första dygn"},
};
inline constexpr CodeDef kCodes050052From20[] = {
    {11, "11", "11 Lätt, utan hjälp"},
    {12, "12", "12 Lätt, med hjälp"},
    {13, "13", "13 Svår, utan veterinärhjälp"},
    {14, "14", "14 Svår, med veterinärhjälp"},
    {15, "15", "15 Uppgift saknas"},
    {8, "8", "8 Kastning (<215 dagar)"},
    {9, "9", "9 Tidig kalvning (215-240 dagar)"},
};
inline constexpr CodeDef kCodes050082From20[] = {
    {1, "01", "01 SRB"},
    {2, "02", "02 SLB"},
    {3, "03", "03 SKB"},
    {4, "04", "04 SJB"},
    {5, "05", "05 SAB"},
    {6, "06", "06 RB"},
    {8, "08", "08 Hereford"},
    {9, "09", "09 Charolais"},
    {11, "11", "11 Aberdeen Angus"},
    {12, "12", "12 Limousin"},
    {14, "14", "14 Simmental"},
    {16, "16", "16 Highland Cattle"},
    {17, "17", "17 Belted Galloway"},
    {18, "18", "18 Blonde d'Aquitaine"},
    {19, "19", "19 Dexter"},
    {20, "20", "20 Galloway"},
    {21, "21", "21 Tiroler Grauvieh"},
    {22, "22", "22 Piemontese"},
    {23, "23", "23 Belgisk blå och vit boskap"},
    {24, "24", "24 Gelbvieh"},
    {25, "25", "25 Chianina"},
    {26, "26", "26 South Devon"},
    {27, "27", "27 Montbéliard"},
    {28, "28", "28 Fleckvieh"},
    {29, "29", "29 Wagyu"},
    {30, "30", "30 Dansk korthorn"},
    {31, "31", "31 Brown Swiss"},
    {32, "32", "32 Texas Longhorn"},
    {33, "33", "33 Salers"},
    {34, "34", "34 Bazadaise"},
    {35, "35", "35 Murray Grey"},
    {36, "36", "36 Stabilizer"},
    {37, "37", "37 Guernsey"},
    {38, "38", "38 Lakenvelder"},
    {40, "40", "40 Rödkulla"},
    {41, "41", "41 Fjällko"},
    {42, "42", "42 Väneko"},
    {43, "43", "43 Bohuskulla"},
    {44, "44", "44 Ringamålako"},
    {50, "50", "50 Telemarkfe"},
    {51, "51", "51 Vestlandsk fjordfe"},
    {52, "52", "52 Dølafe"},
    {53, "53", "53 Pinzgauer"},
    {54, "54", "54 Finsk boskap"},
    {55, "55", "55 Pustertal"},
    {90, "90", "90 Bison bison (amerikansk bison)"},
    {91, "91", "91 Bubalus bubalus (buffel, vattenbuffel)"},
    {92, "92", "92 Zebu"},
    {93, "93", "93 Jak"},
    {99, "99", "99 Korsning/obestämbar ras"},
};
inline constexpr CodeDef kCodes050185_6From20[] = {
    {1, "01", "01 Såld till liv"},
    {2, "02", "02 Nedsatt fruktsamhet"},
    {4, "04", "04 Mastit/juverfel"},
    {5, "05", "05 Juver/spenskada"},
    {6, "06", "06 Förlossningssvårigheter"},
    {7, "07", "07 Kalvningsförlamning"},
    {8, "08", "08 Klövsjukdom"},
    {9, "09", "09 Benlidande"},
    {11, "11", "11 Kastning"},
    {12, "12", "12 Hög ålder"},
    {13, "13", "13 Låg avkastning"},
    {14, "14", "14 Lynnesfel"},
    {15, "15", "15 Olycksfall"},
    {16, "16", "16 Ämnesoms.sjukdom/acetonemi/foderleda"},
    {17, "17", "17 Annan sjukdom"},
    {18, "18", "18 Svårmjölkad, exteriör"},
    {19, "19", "19 Svårmjölkad, nedsläpp"},
    {31, "31", "31 Missbildning, spenar/juver"},
    {32, "32", "32 Slakt"},
    {34, "34", "34 BVD-kroniker"},
    {35, "35", "35 Högt celltal"},
    {50, "50", "50 Övrig utgångsorsak"},
};
inline constexpr CodeDef kCodes050185_7From20[] = {
    {51, "51", "51 Självdöd, destruktion"},
    {52, "52", "52 Avlivad, destruktion"},
    {53, "53", "53 Självdöd, ej destruktion"},
    {54, "54", "54 Avlivad, ej destruktion"},
};
inline constexpr CodeDef kCodes050185_8From20[] = {
    {46, "46", "46 Hemslakt"},
};
inline constexpr CodeDef kCodes050186From20[] = {
    {2, "02", "02 Nedsatt fruktsamhet"},
    {4, "04", "04 Mastit/juverfel"},
    {5, "05", "05 Juver/spenskada"},
    {6, "06", "06 Förlossningssvårigheter"},
    {7, "07", "07 Kalvningsförlamning"},
    {8, "08", "08 Klövsjukdom"},
    {9, "09", "09 Benlidande"},
    {11, "11", "11 Kastning"},
    {12, "12", "12 Hög ålder"},
    {13, "13", "13 Låg avkastning"},
    {14, "14", "14 Lynnesfel"},
    {15, "15", "15 Olycksfall"},
    {16, "16", "16 Ämnesoms.sjukdom/acetonemi/foderleda"},
    {17, "17", "17 Annan sjukdom"},
    {18, "18", "18 Svårmjölkad, exteriör"},
    {19, "19", "19 Svårmjölkad, nedsläpp"},
    {31, "31", "31 Missbildning, spenar/juver"},
    {34, "34", "34 BVD-kroniker"},
    {35, "35", "35 Högt celltal"},
    {50, "50", "50 Övrig utgångsorsak"},
};
inline constexpr CodeDef kCodes050305From20[] = {
    {1, "01", "01 Ej dräktig (undersökt)"},
    {2, "02", "02 Dräktig (undersökt)"},
    {3, "03", "03 Dräktig? (undersökt)"},
    {21, "21", "21 Ej dräktig (ej undersökt)"},
    {22, "22", "22 Dräktig (ej undersökt)"},
    {31, "31", "31 Ej dräktig, tjurbetäckt"},
    {32, "32", "32 Dräktig, tjurbetäckt"},
    {33, "33", "33 Dräktig?, tjurbetäckt"},
    {41, "41", "41 Ej dräktig (ins i annan besättning)"},
    {42, "42", "42 Dräktig (ins i annan besättning"},
    {43, "43", "43 Dräktig? (ins i annan besättning)"},
    {51, "51", "51 Ej dräktig PAG"},
    {52, "52", "52 Dräktig PAG"},
    {53, "53", "53 Dräktig? PAG"},
};
inline constexpr CodeDef kCodes050322From20[] = {
    {1, "1", "1 Avsedd till liv"},
    {2, "2", "2 Avsedd till slakt, köttproduktion"},
    {3, "3", "3 Missbildad"},
    {4, "4", "4 Uppföds av amko, köttdjur"},
    {5, "5", "5 Uppföds med spann, köttdjur"},
    {6, "6", "6 Dödfödd eller död första dygnet"},
    {7, "7", "7 Självdöd, ej första dygnet"},
};

// Code sets of manufacturer versions before "ZIRAZ20 ".
inline constexpr CodeSetDef kCodeSetsBefore20[] = {
    {"050052", kCodes050052Before20},
    {"050082", kCodes050082Before20},
    {"050185", kCodes050185Before20},
    {"050186", kCodes050185Before20},
    {"050305", kCodes050305Before20},
    {"050308", kCodes050308Before20},
    {"050322", kCodes050322Before20},
};
// Code sets of all later manufacturer versions.
inline constexpr CodeSetDef kCodeSetsFrom20[] = {
    {"050052", kCodes050052From20},
    {"050082", kCodes050082From20},
    {"050185-6", kCodes050185_6From20},
    {"050185-7", kCodes050185_7From20},
    {"050185-8", kCodes050185_8From20},
    {"050186", kCodes050186From20},
    {"050305", kCodes050305From20},
    {"050308", kCodes050308Before20},
    {"050322", kCodes050322From20},
};

inline constexpr std::int32_t kNotSupported[] = {900073, 900075, 50011, 50081, 50082, 50087, 50172, 50186, 50187, 50201, 50301, 50501, 50502, 50503, 50506, 50507, 50509, 50510, 50511, 50512, 50513, 50514, 50515, 50521, 50522, 50523, 50524, 50525, 50526, 50527, 50528, 50529, 50531, 50532, 50533, 50534, 50541, 50542};
// clang-format on

} // namespace modNational::NationalTables
