#pragma once

namespace model {
} // namespace model
