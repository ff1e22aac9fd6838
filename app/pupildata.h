#pragma once

#include <QString>

// The pupil's name and group as the data dialog last stored them, exactly as typed. Both are
// empty until the pupil stores something, and a stored value is never blanked again.
extern QString PupilName;
extern QString PupilGroup;
