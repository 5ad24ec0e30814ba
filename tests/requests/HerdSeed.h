#pragma once

// A small herd whose every record a test can name: cows with a calving of
// twins, a stillborn calf, inseminations, a pregnancy check, a dry-off, exits of
// every kind (a calf among them) and an animal event of an animal the herd does
// not know.
inline constexpr const char* kHerdSeed = R"sql(
INSERT INTO animals (animal_no, official_id, name, sex, sex_code, birth_date, entry_date, breed,
  mother_id, lactation, last_calving, calf_count, calf1_no, calf2_no, calf1_ease, calf2_ease,
  calf1_fate, calf2_fate, exit_date) VALUES
 (101, 'SE-100001-0001', 'Rosa', 1, 2, '2020-03-01', NULL, 1, NULL, 2, '2026-09-01', 2, 401, 402,
  11, 12, 1, 2, NULL),
 (102, 'SE-100001-0002', 'Stjärna', 1, 2, '2023-04-02', '2025-01-10', 2, NULL, 1, '2026-08-15', 1,
  NULL, NULL, 14, NULL, 6, NULL, NULL),
 (103, 'SE-100001-0003', 'Dagny', 1, 2, '2019-05-03', NULL, 1, NULL, 4, '2026-01-10', 1, NULL,
  NULL, 11, NULL, 1, NULL, '2026-10-01'),
 (104, 'SE-100001-0004', 'Klara', 1, 2, '2018-06-04', NULL, 4, NULL, 5, '2025-12-01', 1, NULL,
  NULL, 11, NULL, 1, NULL, '2026-10-05'),
 (105, 'SE-100001-0005', 'Lisa', 1, 2, '2025-05-01', NULL, 1, 'SE-100001-0001', 0, NULL, 0, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL),
 (201, 'SE-100001-0201', 'Tor', 0, 1, '2024-02-01', NULL, 2, NULL, 0, NULL, 0, NULL, NULL, NULL,
  NULL, NULL, NULL, '2026-11-01'),
 (401, 'SE-100001-0401', NULL, 1, 2, '2026-09-01', NULL, 1, 'SE-100001-0001', 0, NULL, 0, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL),
 (402, 'SE-100001-0402', NULL, 0, 1, '2026-09-01', NULL, 4, 'SE-100001-0001', 0, NULL, 0, NULL,
  NULL, NULL, NULL, NULL, NULL, '2026-09-10');
INSERT INTO animal_events (animal_no, identity, event_date, kind, code, text, number, time,
  lactation, calf_sex, calf_fate, calf_breed, extra_text) VALUES
 (102, NULL, '2025-01-10', 1, 1, 'Köpt', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (102, NULL, '2026-08-15', 3, 14, 'Dödfödd', NULL, '06:10:00', 1, 1, 6, NULL, NULL),
 (102, 'Dödfödd - {102}', '2026-08-15', 7, 51, 'Dödfödd kalv', NULL, '06:10:00', NULL, NULL, 6,
  NULL, NULL),
 (101, NULL, '2026-09-01', 3, 11, 'Kviga', 401, '04:10:00', 2, 1, 1, 1, NULL),
 (101, NULL, '2026-09-01', 3, 12, 'Tvilling', 402, '04:35:00', 2, 0, 2, 4, NULL),
 (402, NULL, '2026-09-10', 7, 52, 'Avlivad', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (103, NULL, '2026-10-01', 6, 9, 'Slakt', 4, NULL, NULL, NULL, NULL, NULL, NULL),
 (104, NULL, '2026-10-05', 7, 51, 'Självdöd', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (101, NULL, '2026-10-20', 2, 3, 'SE-880011-0421', NULL, '08:15:00', NULL, NULL, NULL, NULL, 'T12'),
 (201, NULL, '2026-11-01', 8, 46, 'Hemslakt', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (999, 'SE-100001-0999', '2026-11-02', 1, 1, 'Köpt', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (101, NULL, '2026-11-25', 4, 2, 'Dräktig', NULL, NULL, NULL, NULL, NULL, NULL, 'V01'),
 (102, NULL, '2026-11-26', 5, 1, 'Sinläggning', NULL, NULL, NULL, NULL, NULL, NULL, 'T07');
INSERT INTO milkings (animal_no, milk_date, session, start_time, end_time, yield) VALUES
 (101, '2026-12-01', 1, '05:10:00', '05:17:00', 14.2),
 (101, '2026-12-01', 2, '16:05:00', '16:12:00', 12.8),
 (102, '2026-12-01', 1, '05:20:00', '05:26:00', 11.5);
)sql";
