#include "reading/signtable.h"

// Placeholder rows until the sign table lands.
namespace amorisk::reading {

const std::array<SignProfile, SignCount> &signTable()
{
    static const std::array<SignProfile, SignCount> table{};
    return table;
}

const SignProfile *findSign(const QString &name)
{
    for (const SignProfile &row : signTable())
        if (row.name && name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

} // namespace amorisk::reading
