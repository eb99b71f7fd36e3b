"""A store file holding the fullest list the add commands allow: 100 types of 10 stocks each,
every text of every stock set. Shared by the command-line benchmarks."""


def write_full_store(path, html_dir):
    lines = ["[General]", f"HtmlDir={html_dir}", "", "[StockList]", "Maxtypes=99", "Maxstocks=999"]
    for t in range(100):
        lines += [f'Type{t}=Type number {t} \\"quoted\\"', f"Lowstock{t}={t * 10}",
                  f"Histock{t}={t * 10 + 9}"]
    for i in range(1000):
        lines += [f"Stock{i}=S{i}", f'Description{i}="Company {i}, Inc. & Co"',
                  f"URL{i}=https://example.com/investors/{i}?x=1", f"Alt_BC{i}=B{i}",
                  f"Alt_SM{i}=M{i}", f"Alt_SP{i}=P{i}", f"Alt_YH{i}=Y{i}"]
    with open(path, "w") as store:
        store.write("\n".join(lines) + "\n")
