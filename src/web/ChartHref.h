#pragma once

#include "model/ChartAddress.h"

#include <QString>
#include <string>
#include <vector>

// A site's chart address as it stands in an href value, written so that the browser reads it
// exactly (AppendLiteralHrefValue): a script that puts the pieces and the symbol together
// opens what the link opens. The address is the same for every stock but for the symbol,
// which holds no "&", so the fixed pieces are escaped once.
class ChartHref {
  public:
    explicit ChartHref(ChartAddress address);

    const ChartAddress& address() const { return address_; }
    // The fixed pieces around the symbol as AppendHrefValue writes them; never empty.
    const std::vector<std::string>& pieces() const { return pieces_; }
    // What the fixed pieces add to every link.
    size_t fixedLength() const { return fixedLength_; }

    // Appends the address of `symbol`.
    void append(std::string& out, const QString& symbol);

  private:
    ChartAddress address_;
    std::vector<std::string> pieces_;
    std::vector<std::string> linkPieces_;  // as they stand in the link
    size_t fixedLength_ = 0;
    std::string symbolHref_;
};
