// Swedish texts of the link program, by the numbers of the built-in English table.
// "%x" places are filled in order by the program; "&" marks the access key.

#include "common/LanguageLibraryAbi.h"
#include "language/LanguageTable.h"

namespace {

constexpr LanguageTable::Entry kSwedish[] = {
    {101, "&Besättningsnummer:"},
    {102, "&Fjärranslutning"},
    {104, "Lägg till djur"},
    {105, "Grupp"},
    {106, "Laktation 1"},
    {107, "Laktation 2-"},
    {108, "&Kor"},
    {109, "K&vigor"},
    {110, "&Inseminerade"},
    {111, "&Dräktiga"},
    {112, "&Tjurar"},
    {113, "&Stutar"},
    {114, "Ny besättning"},
    {115, "Vill du ta bort besättningen?"},
    {118, "&Arkiv"},
    {119, "&Ny besättning"},
    {120, "&Ta bort besättning"},
    {121, "&Välj besättning"},
    {122, "Skriv &ut..."},
    {123, "&Avsluta"},
    {124, "F&unktion"},
    {125, "&Initiera"},
    {126, "&Kontrollera"},
    {127, "&Skicka ADIS-data..."},
    {128, "&Lägg till djur..."},
    {130, "A&lternativ"},
    {131, "&Inställningar..."},
    {132, "Välj &språk..."},
    {133, "Visa &logg"},
    {134, "&Hjälp"},
    {135, "&Om programmet..."},
    {136, "Besättningsnummer:"},
    {138, "Avsluta"},
    {139, "Skriv ut"},
    {140, "Initiera"},
    {141, "Kontrollera"},
    {143, "Inställningar"},
    {144, "Visa logg"},
    {145, "Om"},
    {146, "Stäng"},
    {147, "Version"},
    {148, "OK"},
    {149, "Avbryt"},
    {150, "Information"},
    {151, "Bekräfta"},
    {152, "Du måste starta om %x för att inställningen ska börja gälla!"},
    {156, "Initieringen misslyckades!"},
    {157, "Initieringen lyckades!"},
    {158, "Alla kors ID-nummer är korrekta!"},
    {159, "Det finns inga uppgifter!"},
    {160, "Ogiltig version av dataordlistan!"},
    {161, "Skickar data ..."},
    {162, "Tar emot data ..."},
    {166, "Fel när ISO-programmet kördes!"},
    {167, "Uppgifterna har överförts!"},
    {168, "Fel"},
    {169, "Det gick inte att skapa filen:"},
    {170, "Filen hittades inte:"},
    {171, "Åtkomst nekad:"},
    {172, "Bearbetar ADIS-filen ..."},
    {174, "Fel hittades!"},
    {176, "Korna finns redan!"},
    {177, "Ogiltig ADIS-fil!"},
    {178, "Fel besättningsnummer!"},
    {179, "Nödvändiga uppgifter saknas i ADIS-filen!"},
    {180, "Välj språk"},
    {181, "Välj ett språk"},
    {182, "Engelska"},
    {187, "I dag"},
    {188, "Rensa"},
    {192, "Värdet är utanför tillåtet intervall. Tillåtna värden är %x till %x."},
    {200, "Kestrom Sync är installerat och du bör inte använda det här programmet. Vi "
          "rekommenderar att du avinstallerar Kestrom Sync!"},
    {201, "Den här funktionen är inte tillåten när Kestrom Sync är installerat!"},
    {244, "Alla filer"},
    {245, "ADIS-filer"},
    {300, "Ogiltiga ID-nummer hittades för följande kor:"},
    {301, "Dubbla ID-nummer hittades för följande kor:"},
    {302, "Ko %x med ID-nummer: '%x'"},
    {303, "Ko %x med moderns ID-nummer: '%x'"},
};

} // namespace

extern "C" int LinkLangLoadResString(int number, char* buffer, int size) {
    return LanguageTable::Copy(LanguageTable::Find(kSwedish, number), buffer, size);
}

extern "C" const char* LinkLangGetVersion(void) {
    return LINK_LANGUAGE_VERSION;
}

extern "C" const char* LinkLangGetLanguageName(void) {
    return "Svenska";
}
