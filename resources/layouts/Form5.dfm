object Form5: TForm5
  Caption = 'Program References'
  ClientWidth = 600
  ClientHeight = 420
  BorderStyle = bsDialog
  Position = poScreenCenter
end
