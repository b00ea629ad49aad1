#pragma once

namespace wellbox {

// Which column of a point table applies.
enum class Sex { Male, Female };

} // namespace wellbox
