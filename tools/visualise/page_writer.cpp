#include "visualise/page_writer.h"

#include <stdexcept>
#include <string_view>

#include "visualise/embedded_page.h"

namespace {

constexpr std::string_view DATA_MARKER = "<!--BARVOTOK-DATA-AND-SCRIPT-->";

}  // namespace

void writePage(std::ostream& out, const SectionView& view, const PageSources& sources) {
  const std::string_view html = viewerHtml();
  const std::size_t marker = html.find(DATA_MARKER);
  if (marker == std::string_view::npos) throw std::logic_error("the page's markup lacks its data marker");
  out << html.substr(0, marker);
  // The data holds only numbers, names and base64, so it cannot end the script element.
  out << "<script id=\"barvotok-data\" type=\"application/json\">" << pageData(view, sources)
      << "</script>\n";
  out << "<script>\n" << viewerScript() << "</script>";
  out << html.substr(marker + DATA_MARKER.size());
}
