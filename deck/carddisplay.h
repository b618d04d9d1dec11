#pragma once

class FieldModel;
struct FACRecord;

// The one writer of the two card halves. A half is always written whole, every field from
// the same record, with its decorations also when the text is empty.

// txtNum, txtPassTo1, txtAction, txtStrategy1, txtShots1, txtRebound1, txtLoosePuck,
// txtPenalty, and "(" PassTo3 ")" into txtPassTo3.
void writeUpperHalf(FieldModel& fields, const FACRecord& card);

// txtNum2, "#" PassTo2 into txtPassTo2, txtFaceoff, txtAssists, txtBreak, txtBreakDef,
// txtShots2, txtStrategy2, txtRebound2, txtSO, txtDumpIns, txtMinor, txtMajor.
void writeLowerHalf(FieldModel& fields, const FACRecord& card);

// The lower half when there is no card to take it from: the number and texts empty, the
// "#" kept.
void writeEmptyLowerHalf(FieldModel& fields);
