"use strict";
(() => {
  const table = document.getElementById("standings");
  const headers = Array.from(table.tHead.rows[0].cells);
  let current = { column: 0, descending: false };
  function keyOf(row, column, numeric) {
    const text = row.cells[column].dataset.key;
    return numeric ? Number(text) : text;
  }
  // Sorts each body (ranked rows, references) on its own; equal keys keep
  // the ranking's order.
  function sortBy(column, descending) {
    const numeric = headers[column].dataset.type === "number";
    for (const body of table.tBodies) {
      const rows = Array.from(body.rows, (row) => ({ row, key: keyOf(row, column, numeric) }));
      rows.sort((a, b) => {
        const order = a.key < b.key ? -1 : a.key > b.key ? 1 : 0;
        return (descending ? -order : order) || Number(a.row.dataset.order) - Number(b.row.dataset.order);
      });
      for (const entry of rows) body.appendChild(entry.row);
    }
    headers.forEach((header, i) =>
      header.setAttribute("aria-sort", i === column ? (descending ? "descending" : "ascending") : "none"));
    current = { column, descending };
  }
  headers.forEach((header, column) => {
    header.tabIndex = 0;
    const choose = () =>
      sortBy(column, current.column === column ? !current.descending : header.dataset.first === "descending");
    header.addEventListener("click", choose);
    header.addEventListener("keydown", (event) => {
      if (event.key === "Enter" || event.key === " ") {
        event.preventDefault();
        choose();
      }
    });
  });
  window.barvotokStandings = { sortBy };
})();
