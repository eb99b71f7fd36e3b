#pragma once

#include "model/Model.h"

#include <string>
#include <string_view>
#include <vector>

// The end of each stock's row on a navigation page, from the close of its chart link to the
// end of the row: its home page link and its description. It is the same on every site's page,
// so it is made once for all of them.
class StockRowEnds {
  public:
    explicit StockRowEnds(const Model& model);
    // The row end of stock `i` of the list.
    std::string_view of(size_t i) const;

  private:
    std::string text_;
    std::vector<size_t> starts_;  // stock i's end runs from starts_[i] to starts_[i + 1]
};
