#pragma once

namespace tarvand {

// A dataset's Tag while the grid command object deletes its current row: the editors'
// BeforeDelete lets only such a deletion through, and AfterDelete marks that one was made.
constexpr int DeleteAllowedTag = 10;
constexpr int DeletedTag = 11;

} // namespace tarvand
