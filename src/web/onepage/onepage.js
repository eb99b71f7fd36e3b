"use strict";
(() => {
  const byId = (id) => document.getElementById(id);
  const filter = byId("filter"), select = byId("site"), list = byId("list");
  const count = byId("count"), chart = byId("chart");
  const data = JSON.parse(byId("stocks").textContent);
  const rows = [], groups = [];
  let highlighted = null, current = null;

  const folded = (text) => text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
  const encoder = new TextEncoder();
  const percentEncoded = (text, pattern) => text.replace(pattern, (c) => Array.from(
    encoder.encode(c), (b) => "%" + b.toString(16).toUpperCase().padStart(2, "0")).join(""));

  // The symbol as a gap of the address takes it; then what would end or change its query
  // value (blank, "#", "&", "+") and what an href value cannot hold as it stands (control
  // characters, quote, "<", ">" and all outside ASCII) percent-encoded.
  function filled(slot, symbol) {
    let value = symbol;
    for (const step of slot) {
      if (step === "l") value = value.toLowerCase();
      else if (step === "u") value = value.toUpperCase();
      else if (step === "d") value = value.replace(/[./]/g, "-");
      else value = percentEncoded(value, /[^A-Za-z0-9\-._~]/gu);
    }
    return percentEncoded(value, /[\x00-\x20"#&+<>]|[^\x00-\x7f]/gu);
  }

  function address(site, stock) {
    const symbol = (site.from >= 0 && stock[2 + site.from]) || stock[0];
    let text = site.pieces[0];
    site.slots.forEach((slot, k) => { text += filled(slot, symbol) + site.pieces[k + 1]; });
    return text;
  }

  function build() {
    const all = document.createDocumentFragment();
    data.types.forEach(([name, stocks], t) => {
      const group = all.appendChild(document.createElement("div"));
      group.setAttribute("role", "group");
      group.setAttribute("aria-labelledby", "t" + t);
      // The group is named by the type's name alone, without the fold mark before it.
      const heading = group.appendChild(document.createElement("div"));
      heading.className = "type";
      // A heading folds its type from the keyboard too: a tab stop, read out as a button.
      heading.tabIndex = 0;
      heading.setAttribute("role", "button");
      heading.setAttribute("aria-expanded", "true");
      const label = heading.appendChild(document.createElement("span"));
      label.id = "t" + t;
      label.textContent = name;
      const entry = { element: group, rows: [] };
      for (const stock of stocks) {
        const element = group.appendChild(document.createElement("div"));
        element.setAttribute("role", "option");
        element.id = "s" + rows.length;
        element.dataset.symbol = stock[0];
        element.appendChild(document.createElement("b")).textContent = stock[0];
        element.append(" " + stock[1]);
        const row = { element, stock, group: entry };
        row.key = folded(stock[0] + "\n" + stock[1] + "\n" + name);
        rows.push(row);
        entry.rows.push(row);
      }
      groups.push(entry);
    });
    list.appendChild(all);
  }

  const shown = (row) => !row.element.hidden && !row.group.element.classList.contains("folded");
  const framed = () => getComputedStyle(chart).display !== "none";
  const remember = (key, value) => {
    try { localStorage.setItem("tickvane." + key, value); } catch (e) { /* storage is off */ }
  };
  const remembered = (key) => {
    try { return localStorage.getItem("tickvane." + key); } catch (e) { return null; }
  };

  function highlight(row) {
    if (highlighted) highlighted.element.removeAttribute("aria-selected");
    highlighted = row;
    for (const owner of [filter, list]) {
      if (row) owner.setAttribute("aria-activedescendant", row.element.id);
      else owner.removeAttribute("aria-activedescendant");
    }
    if (row) {
      row.element.setAttribute("aria-selected", "true");
      row.element.scrollIntoView({ block: "nearest" });
    }
  }

  // After rows were hidden or shown: the highlighted row in view, or none while it is hidden.
  function keepHighlight() {
    if (highlighted) highlight(shown(highlighted) ? highlighted : null);
  }

  function applyFilter() {
    const wanted = folded(filter.value.trim());
    let matching = 0;
    for (const row of rows) {
      const hide = !row.key.includes(wanted);
      if (row.element.hidden !== hide) row.element.hidden = hide;
      if (!hide) matching += 1;
    }
    for (const group of groups) {
      const hide = wanted !== "" && group.rows.every((row) => row.element.hidden);
      if (group.element.hidden !== hide) group.element.hidden = hide;
    }
    count.textContent = matching + " of " + rows.length + " stocks";
    keepHighlight();
  }

  function move(step) {
    const visible = rows.filter(shown);
    if (visible.length === 0) return;
    const at = visible.indexOf(highlighted);
    const next = at < 0 ? (step > 0 ? 0 : visible.length - 1) : at + step;
    highlight(visible[Math.min(Math.max(next, 0), visible.length - 1)]);
  }

  // Charts of a site that opens them in the chart frame open in a new tab while the frame
  // is hidden by a narrow window.
  function open(row) {
    highlight(row);
    current = row;
    const site = data.sites[select.selectedIndex];
    if (!site) return;
    const url = address(site, row.stock);
    if (site.target === "right" && framed()) chart.src = url;
    else if (site.target === "new") window.open(url, "new");
    else window.open(url, "_blank", "noopener");
  }

  function fold(heading) {
    const folded = heading.parentElement.classList.toggle("folded");
    heading.setAttribute("aria-expanded", String(!folded));
    keepHighlight();
  }

  function filtered() {
    applyFilter();
    remember("filter", filter.value);
  }

  document.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const inList = event.target === filter || event.target === list;
    if (event.key === "/" && event.target !== filter) {
      filter.focus();
    } else if (event.key === "Escape" && filter.value !== "") {
      filter.value = "";
      filtered();
    } else if (inList && (event.key === "ArrowDown" || event.key === "ArrowUp")) {
      move(event.key === "ArrowDown" ? 1 : -1);
    } else if (inList && event.key === "Enter" && (highlighted || rows.some(shown))) {
      open(highlighted || rows.find(shown));
    } else if ((event.key === "Enter" || event.key === " ") && event.target.matches(".type")) {
      fold(event.target);
    } else {
      return;
    }
    event.preventDefault();
  });
  filter.addEventListener("input", filtered);
  select.addEventListener("change", () => {
    remember("site", select.value);
    if (current) open(current);
  });
  list.addEventListener("click", (event) => {
    const option = event.target.closest("[role=option]");
    const heading = event.target.closest(".type");
    if (option) {
      open(rows[Number(option.id.slice(1))]);
    } else if (heading) {
      fold(heading);
    }
  });
  byId("custom").addEventListener("click", (event) => {
    const link = event.target.closest("a[target=right]");
    if (link && !framed()) {
      event.preventDefault();
      window.open(link.href, "_blank", "noopener");
    }
  });

  build();
  const site = remembered("site");
  if (Array.from(select.options).some((option) => option.value === site)) select.value = site;
  filter.value = remembered("filter") || "";
  applyFilter();
})();
