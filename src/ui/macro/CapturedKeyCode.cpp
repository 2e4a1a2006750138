#include "ui/macro/CapturedKeyCode.h"

namespace {

struct SharedCode
{
    quint16 makeCode;
    bool extended;
    int code;
};

// Keys whose make code names a main-block key unless the extended flag says otherwise.
const SharedCode SharedCodes[] = {
    { 83, false, 224 }, { 69, true, 225 },  { 53, true, 226 },  { 55, false, 227 },
    { 73, false, 228 }, { 28, true, 229 },  { 79, false, 230 }, { 80, false, 231 },
    { 81, false, 232 }, { 75, false, 233 }, { 77, false, 234 }, { 71, false, 235 },
    { 72, false, 236 }, { 82, false, 237 }, { 29, true, 238 },  { 56, true, 239 },
};

} // namespace

int CapturedKeyCode(const CapturedKey &key)
{
    for (const SharedCode &shared : SharedCodes) {
        if (shared.makeCode == key.makeCode && shared.extended == key.extended)
            return shared.code;
    }
    return key.makeCode;
}
