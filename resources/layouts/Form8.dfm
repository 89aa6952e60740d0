object Form8: TForm8
  Caption = 'Registry Key Install...'
  ClientWidth = 477
  ClientHeight = 293
  BorderStyle = bsDialog
  BorderIcons = []
  Position = poScreenCenter
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 477
    Height = 293
    object RichEdit1: TRichEdit
      Left = 10
      Top = 10
      Width = 457
      Height = 209
      ReadOnly = True
      WordWrap = False
      ScrollBars = ssVertical
      Lines.Strings = (
        'Windows Registry Editor Version 5.00'
        ''
        '[HKEY_CURRENT_USER\SOFTWARE\Orvane, Inc.]'
        ''
        '[HKEY_CURRENT_USER\SOFTWARE\Orvane, Inc.\Trellis]'
        '"Conductor_Reduction"="100"'
        '"IPC_Version"="0"'
        '"Derating"="1"'
        '"Manual_Copper_Weight"="0"'
        '"Program"="16"'
        '"Units"="0"'
        '"Via_Height_Enable"="1"'
        '"Registry_Status"="0"'
        '"Base_Weight"="1"'
        '"Plate_Weight"="2"'
        '"TH_Via_AR_Setting"="10"'
        '"UVia_AR_Setting"="1"'
        '"Trellis_Theme"="2"'
        '"File_Index"="1"'
        '"Microns"="0"')
    end
    // the script's path
    object Edit1: TEdit
      Left = 10
      Top = 226
      Width = 457
      Height = 22
      ReadOnly = True
      TabStop = False
      Text = ''
    end
    // "Run "
    object Button1: TButton
      Left = 286
      Top = 256
      Width = 88
      Height = 28
      Caption = 'Run '
      Hint = 'Run'
      TabOrder = 0
      OnClick = Button1Click
    end
    // "Cancel"
    object Button2: TButton
      Left = 379
      Top = 256
      Width = 88
      Height = 28
      Caption = 'Cancel'
      Hint = 'Cancel'
      TabOrder = 1
      OnClick = Button2Click
    end
  end
end
