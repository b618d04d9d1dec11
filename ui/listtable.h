// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QTableView;

// A table that lists and is not edited: whole rows are chosen, no row number, rows of one
// height and the last column stretched. Rows of one height spare the view measuring
// thousands of rows.
void setUpListTable(QTableView& table);
