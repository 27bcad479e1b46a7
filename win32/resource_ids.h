// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers the resource script and the program share; read by windres too, so only #define.
#pragma once

// MURAX: the block list box ("cBlk").
#define MURAX_ID_BLOCK_LIST 101
// MODIFICA: the label, which has no number of its own (a static's -1), the name field ("cNam")
// and its two buttons.
#define MURAX_ID_NAME_LABEL -1
#define MURAX_ID_NAME_FIELD 101
#define MURAX_ID_SAVE 201
#define MURAX_ID_CANCEL 202
// Below the name: the type's label and list, then the header's other fields, one row each (a
// label and an edit field, in the order the properties command lists them), and the data length
// with its label; the rows count on from the first row's numbers.
#define MURAX_ID_TYPE_LABEL 110
#define MURAX_ID_TYPE 111
#define MURAX_ID_FIELD_LABEL 120
#define MURAX_ID_FIELD 130
#define MURAX_ID_DATA_LENGTH 134
// NUOVA ("New entry from file"): the line saying what the entry will be, the name field (the
// number of MODIFICA's), the further field with its label, and the buttons; Cancel is MODIFICA's.
#define MURAX_ID_ABOUT 140
#define MURAX_ID_NEW_NAME_LABEL 141
#define MURAX_ID_NEW_FIELD_LABEL 142
#define MURAX_ID_NEW_FIELD 143
#define MURAX_ID_ADD 203
#define MURAX_ID_INSERT 204
