#pragma once

namespace office {
} // namespace office
