#include "Importer.h"

#include "HerdSchema.h"
#include "SimLog.h"
#include "SqliteDb.h"

#include "adis/clsAdisDataFile.h"

#include <cstdio>
#include <optional>
#include <string>

namespace HerdSim {
namespace {

constexpr std::int32_t kNewAnimalEvent = 390001;
constexpr std::int32_t kNewAnimalNoItem = 303910;

const char* AnimalColumnOf(std::int32_t ddNo) {
    for (const auto& column : kAnimalColumns)
        if (column.ddNo == ddNo)
            return column.column;
    return nullptr;
}

// Binds a value as the database keeps it: dates "YYYY-MM-DD", times "HH:MM:SS",
// texts without their trailing blanks, Null as NULL.
void BindValue(SqliteStatement& statement, int position, const AdisValue& value) {
    char text[32];
    switch (KindOf(value)) {
    case AdisValueKind::Number: {
        const auto& number = std::get<AdisNumber>(value);
        if (number.Scale() == 0)
            statement.Bind(position, number.Mantissa());
        else
            statement.Bind(position, number.ToDouble());
        return;
    }
    case AdisValueKind::Date: {
        const auto& date = std::get<AdisDate>(value);
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
        statement.Bind(position, std::string_view(text));
        return;
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
        statement.Bind(position, std::string_view(text));
        return;
    }
    case AdisValueKind::Text: {
        const auto& value_text = std::get<std::string>(value);
        const auto end = value_text.find_last_not_of(' ');
        statement.Bind(
            position,
            std::string_view(value_text).substr(0, end == std::string::npos ? 0 : end + 1));
        return;
    }
    default:
        statement.BindNull(position);
    }
}

std::string LineText(const clsAdisDataLine& line) {
    return "value line " + line.Key + " of event " + line.EventNoStr();
}

bool AnimalExists(SqliteDb& db, std::int64_t animalNo) {
    SqliteStatement query(db, "SELECT 1 FROM animals WHERE animal_no = ?");
    query.Bind(1, animalNo);
    return query.Step();
}

// Sets the animal's columns from the line's given values (Empty leaves a column
// as it is); values the herd system does not keep are noted.
void UpdateAnimal(SqliteDb& db, std::int64_t animalNo, const clsAdisDataLine& line,
                  std::int32_t skipDDNo, SimLog& log) {
    for (const auto& value : line.ItemValues) {
        if (value.DDNo == skipDDNo || IsEmpty(value.Value))
            continue;
        const char* column = AnimalColumnOf(value.DDNo);
        if (!column) {
            log.Note("DD-number " + value.DDNoStr() + " of " + LineText(line) + " not kept");
            continue;
        }
        SqliteStatement update(db, std::string("UPDATE animals SET ") + column +
                                       " = ? WHERE animal_no = ?");
        BindValue(update, 1, value.Value);
        update.Bind(2, animalNo);
        update.Run();
    }
}

std::optional<std::int64_t> NumberOf(const clsAdisDataLine& line, std::int32_t ddNo) {
    const auto value = line.ItemValues.ValueOf(ddNo);
    if (!value)
        return std::nullopt;
    const auto number = AdisValues::AsNumber(*value);
    if (!number || number->Scale() != 0)
        return std::nullopt;
    return number->Mantissa();
}

// Runs one line's changes as a whole: a line the database rejects is an error
// line of the log and changes nothing; the lines before and after it stay.
template <class Change>
bool RunLine(SqliteDb& db, const clsAdisDataLine& line, SimLog& log, Change&& change) {
    db.Execute("SAVEPOINT line");
    try {
        change();
        db.Execute("RELEASE line");
        return true;
    } catch (const DbError& error) {
        db.Execute("ROLLBACK TO line");
        db.Execute("RELEASE line");
        log.Error(LineText(line) + " rejected: " + error.what());
        return false;
    }
}

// The animal that already holds the identity of the line, or 0.
std::int64_t HolderOf(SqliteDb& db, const clsAdisDataLine& line, std::int64_t except = 0) {
    const auto id = line.ItemValues.ValueOf(300348);
    if (!id || IsEmpty(*id) || IsNull(*id))
        return 0;
    SqliteStatement query(db,
                          "SELECT animal_no FROM animals WHERE official_id = ? AND animal_no <> ? "
                          "ORDER BY animal_no LIMIT 1");
    BindValue(query, 1, *id);
    query.Bind(2, except);
    return query.Step() ? query.Int(0) : 0;
}

void ImportNewAnimals(SqliteDb& db, const clsAdisDataEvent& event, SimLog& log) {
    long added = 0;
    for (const auto& line : *event.DataLines()) {
        const auto animalNo = NumberOf(*line, kNewAnimalNoItem);
        if (!animalNo) {
            log.Error(LineText(*line) + " has no animal number");
            continue;
        }
        if (AnimalExists(db, *animalNo)) {
            log.Error("Animal number " + std::to_string(*animalNo) + " already exists (" +
                      LineText(*line) + ")");
            continue;
        }
        // A herd system holds an identity twice when it is given twice; finding
        // that is the check's work.
        if (const std::int64_t holder = HolderOf(db, *line))
            log.Warning("Animal " + std::to_string(*animalNo) + " gets the identity of animal " +
                        std::to_string(holder) + " (" + LineText(*line) + ")");
        added += RunLine(db, *line, log, [&] {
            SqliteStatement insert(db, "INSERT INTO animals (animal_no) VALUES (?)");
            insert.Bind(1, *animalNo).Run();
            UpdateAnimal(db, *animalNo, *line, kNewAnimalNoItem, log);
        });
    }
    log.Info("Event 390001: " + std::to_string(added) + " animals added");
}

// The animal of a data line: by its number, else by its official identity.
std::int64_t FindAnimal(SqliteDb& db, const clsAdisDataLine& line) {
    if (const auto animalNo = NumberOf(line, 300001); animalNo && AnimalExists(db, *animalNo))
        return *animalNo;
    return HolderOf(db, line);
}

// Animal data never renumbers an animal: a line whose animal number is not the
// number of the animal it names is an error, and nothing changes.
void ImportAnimalData(SqliteDb& db, const clsAdisDataEvent& event, SimLog& log) {
    long updated = 0;
    for (const auto& line : *event.DataLines()) {
        const std::int64_t animalNo = FindAnimal(db, *line);
        if (animalNo == 0) {
            log.Warning("No animal for " + LineText(*line) + ": line not imported");
            continue;
        }
        if (const auto lineNo = NumberOf(*line, 300001); lineNo && *lineNo != animalNo) {
            log.Error("Animal number " + std::to_string(*lineNo) + " clashes with animal " +
                      std::to_string(animalNo) + " of the same identity (" + LineText(*line) +
                      "): line not imported");
            continue;
        }
        updated += RunLine(db, *line, log, [&] { UpdateAnimal(db, animalNo, *line, 300001, log); });
    }
    log.Info("Event " + event.EventNoStr() + ": " + std::to_string(updated) + " animals updated");
}

// A code table: the first value is the code, the second its text, a third (the
// exit type of cull reasons) an extra number.
void ImportLookups(SqliteDb& db, const clsAdisDataEvent& event, SimLog& log) {
    SqliteStatement remove(db,
                           "DELETE FROM lookups WHERE event_no = ? AND code IS ? AND extra IS ?");
    SqliteStatement insert(db,
                           "INSERT INTO lookups (event_no, code, text, extra) VALUES (?, ?, ?, ?)");
    long stored = 0;
    for (const auto& line : *event.DataLines()) {
        const auto value = [&](long position) {
            const auto item = line->ItemValues.Item(position);
            return item ? item->Value : AdisValue(AdisNull{});
        };
        remove.Bind(1, static_cast<std::int64_t>(event.EventNo));
        BindValue(remove, 2, value(1));
        BindValue(remove, 3, value(3));
        remove.Run();
        insert.Bind(1, static_cast<std::int64_t>(event.EventNo));
        BindValue(insert, 2, value(1));
        BindValue(insert, 3, value(2));
        BindValue(insert, 4, value(3));
        insert.Run();
        ++stored;
    }
    log.Info("Event " + event.EventNoStr() + ": " + std::to_string(stored) + " codes stored");
}

bool IsCodeTable(std::int32_t eventNo) {
    return eventNo == 390055 || (eventNo >= 303078 && eventNo <= 303093);
}

} // namespace

void ImportData(SqliteDb& db, const clsAdisDataFile& input, bool herdFile, SimLog& log) {
    db.Execute("BEGIN");
    try {
        for (const auto& event : input.DataEvents) {
            const std::string lines = std::to_string(event->DataLines()->Count());
            if (!herdFile) {
                log.Note("National event " + event->EventNoStr() + " (" + lines +
                         " lines) not used by this herd system");
                continue;
            }
            if (event->EventNo == kNewAnimalEvent)
                ImportNewAnimals(db, *event, log);
            else if (event->EventNo == 390002 || event->EventNo == 390006)
                ImportAnimalData(db, *event, log);
            else if (IsCodeTable(event->EventNo))
                ImportLookups(db, *event, log);
            else
                log.Note("Event " + event->EventNoStr() + " (" + lines + " lines) not imported");
        }
        db.Execute("COMMIT");
    } catch (...) {
        db.Execute("ROLLBACK");
        throw;
    }
}

} // namespace HerdSim
