#pragma once

// The simulator's herd database: its tables and how its animal columns carry
// the herd-management DD numbers.

#include <cstdint>
#include <string_view>

namespace HerdSim {

// Dates are stored as "YYYY-MM-DD", times as "HH:MM:SS". Sex: 0 male, 1 female.
inline constexpr std::string_view kSchemaSql = R"sql(
CREATE TABLE herd (
  herd_no TEXT NOT NULL,           -- national herd number, 8 characters
  today TEXT                       -- the herd's present day (308503); NULL: the clock's
);
CREATE TABLE animals (
  animal_no INTEGER PRIMARY KEY,   -- 300001 / 303910
  official_id TEXT,                -- 300348 "SE-123456-1234"; a herd may hold one twice
  name TEXT,                       -- 351150
  sex INTEGER,                     -- 303926
  sex_code INTEGER,                -- 300343 (1 male, 2 female)
  birth_date TEXT,                 -- 300033
  entry_date TEXT,                 -- 300034 (bought in)
  breed INTEGER,                   -- 303923
  mother_id TEXT,                  -- 303924
  father_id TEXT,                  -- 303925
  group_no INTEGER,                -- 300003
  location INTEGER,                -- 300002 (stall)
  lactation INTEGER,               -- 300036
  last_calving TEXT,               -- 300035
  insem_count INTEGER,             -- 300037
  last_insemination TEXT,          -- 300357
  pregnant INTEGER,                -- 303911
  preg_status INTEGER,             -- 351142 (national code)
  preg_check_date TEXT,            -- 351141
  calf_count INTEGER,              -- 300342 (calves at the last calving)
  calf1_no INTEGER,                -- 300339
  calf2_no INTEGER,                -- 300340
  calf1_ease INTEGER,              -- 351135
  calf2_ease INTEGER,              -- 351136
  calf1_fate INTEGER,              -- 351139
  calf2_fate INTEGER,              -- 351140
  lact_yield REAL,                 -- 351151 (kg this lactation)
  bcs REAL,                        -- 304901 (body condition score)
  bcs_date TEXT,                   -- 304902
  exit_date TEXT,                  -- 300194
  cull_mark INTEGER,               -- 303912
  transponder TEXT,                -- 354201
  ear_tag TEXT                     -- 354202
);
-- Animal events; kind: 1 entry, 2 insemination, 3 calving, 4 pregnancy check,
-- 5 dry-off, 6 exit alive (sold), 7 died, 8 home slaughter.
CREATE TABLE animal_events (
  id INTEGER PRIMARY KEY,
  animal_no INTEGER,               -- 300001 (the cow, for a stillborn calf too)
  identity TEXT,                   -- 355078 when it is not the animal's own identity
  event_date TEXT NOT NULL,        -- 355071
  kind INTEGER NOT NULL,           -- 355072
  code INTEGER,                    -- 355073 (ease, status, exit reason, heat strength)
  text TEXT,                       -- 355074 (bull, remark)
  date2 TEXT,                      -- 355079 (registration date)
  number INTEGER,                  -- 355080 (calf number, second exit reason)
  time TEXT,                       -- 355089
  lactation INTEGER,               -- lactation the calving starts
  calf_sex INTEGER,
  calf_fate INTEGER,               -- national code of set 050322
  calf_breed INTEGER,
  extra_text TEXT                  -- technician or examiner code
);
CREATE INDEX animals_official_id ON animals(official_id);
CREATE INDEX animal_events_date ON animal_events(event_date);
CREATE TABLE milkings (
  animal_no INTEGER NOT NULL,
  milk_date TEXT NOT NULL,
  session INTEGER NOT NULL,        -- 1 morning, 2 evening
  start_time TEXT,
  end_time TEXT,
  yield REAL,                      -- kg
  PRIMARY KEY (animal_no, milk_date, session)
);
-- Code tables sent by the link program (events 390055, 303078-303093).
CREATE TABLE lookups (
  event_no INTEGER NOT NULL,
  code INTEGER,
  text TEXT,
  extra INTEGER,
  UNIQUE (event_no, code, extra)
);
)sql";

// The animal columns and the DD numbers they answer and take.
struct AnimalColumn {
    std::int32_t ddNo;
    const char* column;
};

inline constexpr AnimalColumn kAnimalColumns[] = {
    {300001, "animal_no"},
    {300348, "official_id"},
    {351150, "name"},
    {303926, "sex"},
    {300343, "sex_code"},
    {300033, "birth_date"},
    {300034, "entry_date"},
    {303923, "breed"},
    {303924, "mother_id"},
    {303925, "father_id"},
    {300003, "group_no"},
    {300002, "location"},
    {300036, "lactation"},
    {300035, "last_calving"},
    {300037, "insem_count"},
    {300357, "last_insemination"},
    {303911, "pregnant"},
    {351142, "preg_status"},
    {351141, "preg_check_date"},
    {300342, "calf_count"},
    {300339, "calf1_no"},
    {300340, "calf2_no"},
    {351135, "calf1_ease"},
    {351136, "calf2_ease"},
    {351139, "calf1_fate"},
    {351140, "calf2_fate"},
    {351151, "lact_yield"},
    {304901, "bcs"},
    {304902, "bcs_date"},
    {300194, "exit_date"},
    {303912, "cull_mark"},
    {354201, "transponder"},
    {354202, "ear_tag"},
};

} // namespace HerdSim
