// The board for screen readers and keyboards, in the page's own elements:
// the canvas shows the game to the eye, and nothing in it can be read, so
// the game hands these elements every cell, the standing, the news of each
// move, the menus and the window open over the board, in words, and they
// hand back what the player does. They stand over the canvas, invisible
// but for the focus: a keyboard user who tabs into them sees it on the cell
// or button it is on.
"use strict";
window.tarnelBoard = (() => {
  let player = null; // the game's callbacks, from build()
  const root = document.createElement("div");
  root.id = "board-elements";
  const menuBar = document.createElement("div");
  menuBar.setAttribute("role", "menubar");
  const grid = document.createElement("div");
  grid.setAttribute("role", "grid");
  grid.setAttribute("aria-rowcount", "10");
  grid.setAttribute("aria-colcount", "15");
  const status = document.createElement("div");
  status.id = "board-status";
  const news = document.createElement("div");
  news.id = "board-news";
  news.setAttribute("aria-live", "polite");
  news.setAttribute("aria-atomic", "false");
  const dialog = document.createElement("div");
  dialog.setAttribute("role", "dialog");
  dialog.setAttribute("aria-modal", "true");
  dialog.hidden = true;
  root.append(menuBar, grid, status, news, dialog);

  const cells = [];
  let current = 0; // the cell that takes the board's tab stop
  const arrows = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };

  function build(boardName, menuBarName, callbacks) {
    player = callbacks;
    grid.setAttribute("aria-label", boardName);
    if (menuBarName) menuBar.setAttribute("aria-label", menuBarName);
    for (let row = 0; row < 10; row++) {
      const line = document.createElement("div");
      line.setAttribute("role", "row");
      line.setAttribute("aria-rowindex", String(row + 1));
      for (let column = 0; column < 15; column++) {
        const index = row * 15 + column;
        const cell = document.createElement("div");
        cell.setAttribute("aria-colindex", String(column + 1));
        cell.tabIndex = -1;
        cell.className = "board-cell";
        cell.addEventListener("keydown", (event) => key(event, index));
        cell.addEventListener("focus", () => rove(index));
        line.append(cell);
        cells.push(cell);
      }
      grid.append(line);
    }
    cells[0].tabIndex = 0;
    document.body.prepend(root);
  }

  function rove(index) {
    cells[current].tabIndex = -1;
    current = index;
    cells[index].tabIndex = 0;
  }

  function key(event, index) {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    if (event.key in arrows) {
      const to = player.walk(index, arrows[event.key]);
      if (to >= 0) {
        rove(to);
        cells[to].focus();
      }
    } else if (event.key === " " || event.key === "Enter") {
      if (cells[index].getAttribute("aria-disabled") !== "true") player.take(index);
    } else {
      return;
    }
    event.preventDefault();
  }

  // kind: 0 free, 1 red, 2 yellow, 3 out of play (not offered).
  function cell(index, kind, name) {
    const element = cells[index];
    if (kind === 3) {
      element.setAttribute("role", "none");
      element.setAttribute("aria-hidden", "true");
      element.removeAttribute("aria-label");
    } else {
      element.setAttribute("role", "gridcell");
      element.removeAttribute("aria-hidden");
      element.setAttribute("aria-label", name);
      element.setAttribute("aria-disabled", kind === 0 ? "false" : "true");
    }
    element.dataset.kind = ["free", "red", "yellow", "out"][kind];
  }

  function focusCell(index) {
    const inGrid = grid.contains(document.activeElement);
    rove(index);
    if (inGrid) cells[index].focus();
  }

  function setStatus(red, yellow, turn) {
    status.replaceChildren();
    [[red, true], [yellow, false]].forEach(([text, isRed]) => {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = text;
      button.addEventListener("click", () => player.score(isRed));
      status.append(button);
    });
    const line = document.createElement("p");
    line.textContent = turn;
    status.append(line);
  }

  // Each piece of news once: added, never rewritten, the oldest let go.
  function announce(text) {
    const line = document.createElement("p");
    line.textContent = text;
    news.append(line);
    while (news.childElementCount > 4) news.firstElementChild.remove();
  }

  // entries: { item, depth, caption, accessKey, shortcut, opensMenu,
  // checkable, checked, enabled }, in the menus' order; item -1 separates.
  function menus(entries) {
    const open = [...menuBar.querySelectorAll("[aria-expanded=true]")].map((e) => e.dataset.item);
    menuBar.replaceChildren();
    const parents = [menuBar];
    for (const entry of entries) {
      const parent = parents[entry.depth];
      if (!parent) continue;
      if (entry.item < 0) {
        const line = document.createElement("div");
        line.setAttribute("role", "separator");
        parent.append(line);
        continue;
      }
      const item = document.createElement("div");
      item.dataset.item = String(entry.item);
      item.tabIndex = -1;
      item.textContent = entry.caption + (entry.shortcut ? "\u2003" + entry.shortcut : "");
      item.setAttribute("aria-label", entry.caption);
      if (entry.accessKey) {
        item.dataset.key = entry.accessKey.toLowerCase();
        if (entry.depth === 0) item.setAttribute("aria-keyshortcuts", "Alt+" + entry.accessKey.toUpperCase());
      }
      if (entry.shortcut) item.setAttribute("aria-keyshortcuts", entry.shortcut.replace(/^Ctrl/, "Control"));
      item.setAttribute("role", entry.checkable ? "menuitemradio" : "menuitem");
      if (entry.checkable) item.setAttribute("aria-checked", String(entry.checked));
      if (!entry.enabled) item.setAttribute("aria-disabled", "true");
      parent.append(item);
      if (entry.opensMenu) {
        item.setAttribute("aria-haspopup", "menu");
        item.setAttribute("aria-expanded", String(open.includes(item.dataset.item)));
        const menu = document.createElement("div");
        menu.setAttribute("role", "menu");
        menu.setAttribute("aria-label", entry.caption);
        parent.append(menu);
        parents[entry.depth + 1] = menu;
      }
      item.addEventListener("click", () => activate(item));
      item.addEventListener("keydown", (event) => menuKey(event, item));
    }
    const first = menuBar.querySelector("[role^=menuitem]");
    if (first) first.tabIndex = 0;
  }

  const submenu = (item) => item.nextElementSibling?.getAttribute("role") === "menu" ? item.nextElementSibling : null;
  const itemsOf = (container) => [...container.children].filter((e) => e.getAttribute("role")?.startsWith("menuitem"));
  function expand(item, on) {
    item.setAttribute("aria-expanded", String(on));
    if (on) itemsOf(submenu(item))[0]?.focus();
  }
  function closeAll() {
    menuBar.querySelectorAll("[aria-expanded=true]").forEach((e) => e.setAttribute("aria-expanded", "false"));
  }
  function activate(item) {
    if (item.getAttribute("aria-disabled") === "true") return;
    if (submenu(item)) {
      expand(item, item.getAttribute("aria-expanded") !== "true");
      return;
    }
    closeAll();
    menuBar.querySelector("[role^=menuitem]")?.focus();
    player.menu(Number(item.dataset.item));
  }
  function menuKey(event, item) {
    const container = item.parentElement;
    const siblings = itemsOf(container);
    const at = siblings.indexOf(item);
    const onBar = container === menuBar;
    const move = (step) => siblings[(at + step + siblings.length) % siblings.length].focus();
    switch (event.key) {
      case "Enter": case " ": activate(item); break;
      case "ArrowRight":
        if (onBar) move(1); else if (submenu(item)) expand(item, true);
        break;
      case "ArrowLeft":
        if (onBar) move(-1);
        else { const owner = container.previousElementSibling; expand(owner, false); owner.focus(); }
        break;
      case "ArrowDown":
        if (onBar) expand(item, true); else move(1);
        break;
      case "ArrowUp":
        if (!onBar) move(-1);
        break;
      case "Home": siblings[0].focus(); break;
      case "End": siblings[siblings.length - 1].focus(); break;
      case "Escape":
        if (!onBar) { const owner = container.previousElementSibling; expand(owner, false); owner.focus(); }
        break;
      default: {
        // An item's access key, as in the window's menus.
        const keyed = !event.altKey && siblings.find((e) => e.dataset.key === event.key.toLowerCase());
        if (!keyed) return;
        activate(keyed);
      }
    }
    event.preventDefault();
  }
  // Alt and a menu's access key open it from anywhere in these elements.
  root.addEventListener("keydown", (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return;
    const menu = itemsOf(menuBar).find((e) => e.dataset.key === event.key.toLowerCase());
    if (!menu) return;
    closeAll();
    menu.focus();
    expand(menu, true);
    event.preventDefault();
  });

  // Where the cells stand, in CSS pixels: the first cell and the step.
  function place(left, top, size, pitch) {
    cells.forEach((element, index) => {
      const style = element.style;
      style.left = `${left + (index % 15) * pitch}px`;
      style.top = `${top + Math.floor(index / 15) * pitch}px`;
      style.width = style.height = `${size}px`;
    });
  }

  // A window over the board: its title, its texts, its buttons.
  let returnTo = null;
  function showDialog(title, texts, buttons, defaultButton) {
    returnTo = root.contains(document.activeElement) ? document.activeElement : null;
    dialog.replaceChildren();
    const heading = document.createElement("h2");
    heading.id = "board-dialog-title";
    heading.textContent = title;
    dialog.setAttribute("aria-labelledby", heading.id);
    dialog.append(heading);
    for (const text of texts) {
      const line = document.createElement("p");
      line.textContent = text;
      dialog.append(line);
    }
    buttons.forEach((caption, index) => {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = caption;
      button.addEventListener("click", () => player.press(index));
      dialog.append(button);
    });
    dialog.onkeydown = (event) => {
      if (event.key === "Escape") { player.close(); event.preventDefault(); }
    };
    dialog.hidden = false;
    // Its default button takes the focus, as in the window itself, when
    // the player was in these elements.
    if (returnTo) dialog.querySelectorAll("button")[defaultButton]?.focus();
  }
  function closeDialog() {
    const hadFocus = dialog.contains(document.activeElement);
    dialog.hidden = true;
    dialog.replaceChildren();
    if (hadFocus) (returnTo?.isConnected && !returnTo.closest("[aria-hidden=true]") ? returnTo : cells[current]).focus();
    returnTo = null;
  }

  return { build, cell, focusCell, setStatus, announce, menus, place, showDialog, closeDialog };
})();
