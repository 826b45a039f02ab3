// The player's input: the answer field and its keypad, the buttons, the custom
// hand's fields (kept to 0..13 as the window keeps them), the menu and the dialogs.
// A page's conventions where the window has its own: Enter submits, Tab moves
// through the controls, Escape closes a dialog or the menu.

const byId = (id) => document.getElementById(id);

// After a dialog the window's focus goes back to the answer field; on a touch
// screen that would only raise the on-screen keyboard over the keypad.
function backToAnswer(view) {
    if (matchMedia('(pointer: fine)').matches) view.answer.focus();
}

function bindAnswer(game, view) {
    const answer = view.answer;
    answer.addEventListener('input', () => view.followAnswer());
    byId('answer-form').addEventListener('submit', async (event) => {
        event.preventDefault();
        if (answer.value.length === 0) return;
        await game.submit(answer.value);
        backToAnswer(view);
    });
    // The keypad types where the field's caret is, without taking the focus to it.
    const type = (text, start, end) => {
        answer.setRangeText(text, start, end, 'end');
        view.followAnswer();
    };
    for (const key of document.querySelectorAll('.keypad button')) {
        key.addEventListener('click', () => {
            const start = answer.selectionStart ?? answer.value.length;
            const end = answer.selectionEnd ?? start;
            if (!key.classList.contains('delete')) type(key.textContent, start, end);
            else if (start !== end) type('', start, end);
            else if (start > 0) type('', start - 1, start);
        });
    }
}

function bindButtons(game) {
    byId('show-results').addEventListener('click', () => game.showResults());
    byId('deal').addEventListener('click', () => game.deal());
}

// A field takes at most two digits by typing; a field whose first two characters
// stand for no value in 0..13 keeps the focus; OK wants a whole value in each.
function bindCustomHand(game, core, view) {
    const dialog = byId('custom');
    const form = byId('custom-form');
    const fields = [...form.querySelectorAll('input')];
    const cancel = form.querySelector('button[value="cancel"]');
    const refuse = (field) => {
        field.focus();
        field.select();
    };
    for (const field of fields) {
        field.addEventListener('beforeinput', (event) => {
            if (event.inputType !== 'insertText') return;
            const full = field.value.length > 1 && field.selectionStart === field.selectionEnd;
            if (full || !/^[0-9]$/.test(event.data ?? '')) event.preventDefault();
        });
        field.addEventListener('blur', (event) => {
            const leaving = event.relatedTarget === cancel || !dialog.open;
            if (!leaving && !core.mayLeaveField(field.value)) setTimeout(() => refuse(field));
        });
    }
    byId('custom-hand').addEventListener('click', () => {
        fields.forEach((field) => { field.value = ''; });
        dialog.showModal();
    });
    form.addEventListener('submit', (event) => {
        if (event.submitter?.value !== 'ok') return;
        const wrong = fields.find((field) => !core.isCardValue(field.value));
        if (wrong) {
            event.preventDefault();
            refuse(wrong);
            return;
        }
        game.playHand(fields.map((field) => Number(field.value)));
    });
    dialog.addEventListener('close', () => backToAnswer(view));
}

function bindMenu(view) {
    const button = byId('menu-button');
    const menu = byId('menu');
    const items = [...menu.querySelectorAll('[role="menuitem"]')];
    const open = (item) => {
        menu.hidden = false;
        button.setAttribute('aria-expanded', 'true');
        item.focus();
    };
    const close = () => {
        menu.hidden = true;
        button.setAttribute('aria-expanded', 'false');
    };
    button.addEventListener('click', () => (menu.hidden ? open(items[0]) : close()));
    button.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowDown') { event.preventDefault(); open(items[0]); }
        if (event.key === 'ArrowUp') { event.preventDefault(); open(items.at(-1)); }
    });
    menu.addEventListener('keydown', (event) => {
        const at = items.indexOf(document.activeElement);
        const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
        if (step) {
            event.preventDefault();
            items[(at + step + items.length) % items.length].focus();
        } else if (event.key === 'Escape') {
            close();
            button.focus();
        } else if (event.key === 'Tab') {
            close();
        }
    });
    menu.addEventListener('focusout', (event) => {
        if (!menu.contains(event.relatedTarget)) close();
    });
    for (const item of items) {
        const dialog = byId(item.dataset.opens);
        item.addEventListener('click', () => {
            close();
            dialog.showModal();
        });
        dialog.addEventListener('close', () => backToAnswer(view));
    }
}

export function bindInput(game, core, view) {
    bindAnswer(game, view);
    bindButtons(game);
    bindCustomHand(game, core, view);
    bindMenu(view);
}
