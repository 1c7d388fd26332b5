#pragma once
// The values a profile's fields can take, as the editing rules and the mouse define them. An
// imported file is checked against them before anything of it is kept: a value outside its
// domain would otherwise be stored and sent as it is.

#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/storage_result.h"

#include <QString>

#include <optional>

// The first field of the profile outside its domain, in record order, with its key (relative to
// the profile's group), its value and a translated text of what the key takes. Resolution steps
// are checked against the range of the configured sensor on the current product (0 stays allowed:
// it is what an unset stage holds); an unknown sensor leaves them unchecked. A report-rate code of
// 0 is allowed too: a default profile holds it when the model description names no rate.
std::optional<ValueProblem> firstValueOutOfDomain(const ProfileData &profile, int sensorId,
                                                  const QString &productName);

// The same as the check the imports take.
ProfileCheck profileDomainCheck(int sensorId, const QString &productName);
