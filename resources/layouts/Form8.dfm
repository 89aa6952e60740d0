object Form8: TForm8
  Caption = 'Registry Keys Installer'
  ClientWidth = 480
  ClientHeight = 220
  BorderStyle = bsDialog
  Position = poScreenCenter
end
