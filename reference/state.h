#pragma once

namespace reference {
} // namespace reference
