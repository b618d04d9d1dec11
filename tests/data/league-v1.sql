-- SPDX-FileCopyrightText: 2026 Torvane FAC developers
-- SPDX-License-Identifier: GPL-3.0-or-later

-- A league file of the first version, as its program wrote it: one game in the second
-- period, with a penalty running and two entries in its log.
PRAGMA application_id = 1414942284;
PRAGMA user_version = 1;
CREATE TABLE games ( id INTEGER PRIMARY KEY, uuid TEXT NOT NULL UNIQUE, started INTEGER NOT NULL, last_played INTEGER NOT NULL, state TEXT NOT NULL, away_name TEXT NOT NULL, home_name TEXT NOT NULL, away_goals TEXT NOT NULL, home_goals TEXT NOT NULL, period TEXT NOT NULL, clock TEXT NOT NULL);
CREATE TABLE boards ( game INTEGER PRIMARY KEY REFERENCES games(id) ON DELETE CASCADE, fields BLOB NOT NULL, deck_order BLOB NOT NULL, deck_position INTEGER NOT NULL, current_card INTEGER NOT NULL, penalties BLOB NOT NULL);
CREATE TABLE log_entries ( game INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE, seq INTEGER NOT NULL, period TEXT NOT NULL, clock TEXT NOT NULL, event TEXT NOT NULL, details TEXT NOT NULL, PRIMARY KEY (game, seq)) WITHOUT ROWID;
INSERT INTO games VALUES (1, '6f1c2a4e-0d5b-4c39-9a57-2b8e1f3c7d10', 1767290400000, 1767291300000, 'in-progress', 'Bears', 'Lynx', '1', '2', '2', '11:00');
INSERT INTO boards VALUES (1, CAST('{"v":1,"texts":{"txtAway(1)":"Bears","txtHome(1)":"Lynx","txtAway(2)":"Bears","txtHome(2)":"Lynx","txtFV(2)":"1","txtFH(2)":"2","txtTimer":"660","txtClock":"11:00","txtPeriod":"2"},"shown":{"txtChangeLines":false}}' AS BLOB), X'C8C7C6C5C4C3C2C1C0BFBEBDBCBBBAB9B8B7B6B5B4B3B2B1B0AFAEADACABAAA9A8A7A6A5A4A3A2A1A09F9E9D9C9B9A999897969594939291908F8E8D8C8B8A898887868584838281807F7E7D7C7B7A797877767574737271706F6E6D6C6B6A696867666564636261605F5E5D5C5B5A595857565554535251504F4E4D4C4B4A494847464544434241403F3E3D3C3B3A393837363534333231302F2E2D2C2B2A292827262524232221201F1E1D1C1B1A191817161514131211100F0E0D0C0B0A090807060504030201', 7, 195, CAST('{"v":1,"next":2,"list":[{"number":1,"team":"home","player":"Smith","kind":"minor","seconds":80,"running":true}]}' AS BLOB));
INSERT INTO log_entries VALUES (1, 0, '1', '20:00', 'new-game', 'Upper half 200, lower half 199');
INSERT INTO log_entries VALUES (1, 1, '2', '11:00', 'penalty-added', 'Home minor, Smith (penalty 1)');
